#include <gtest/gtest.h>

#include "core/export/ExportWriter.h"
#include "support/FoundFiles.h"

namespace folidex {
namespace {

// The export of a sorted table with hidden rows and columns, and the writing of the file,
// are the export dialog's tests.
TEST(ExportWriter, WritesEveryColumnOfEveryRowWithQuotingAndCrLf) {
  EXPECT_EQ(DelimitedText(TakeExportSnapshot(test::SampleResults()), ","),
            "File Name,Location,Size,Modified Date,Pages\r\n"
            "a.pdf,/docs,\"1,234 KB\",07/26/2005 03:05 PM,12\r\n"
            "\"say \"\"hi\"\".pdf\",/docs,1 KB,01/02/2006 10:00 AM,Error\r\n"
            "\"Übersicht\tline\nbreak.pdf\",/docs/more,3 KB,01/03/2006 11:00 PM,3\r\n");
}

TEST(ExportWriter, TheTypeDecidesTheSeparator) {
  EXPECT_EQ(ExportSeparator("/x/list.xls", ";"), "\t");
  EXPECT_EQ(ExportSeparator("/x/list.CSV", ","), "\t");
  EXPECT_EQ(ExportSeparator("/x/list.txt", ";"), ";");
  EXPECT_EQ(ExportSeparator("/x/list.doc", ""), ",");
  EXPECT_EQ(ExportSeparator("/x/list.csv.txt", "|"), "|");
}

}  // namespace
}  // namespace folidex
