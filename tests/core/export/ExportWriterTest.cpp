#include <gtest/gtest.h>

#include "core/export/ExportWriter.h"
#include "support/FoundFiles.h"
#include "support/TempTree.h"

namespace folidex {
namespace {

using test::At;
using test::Found;
using test::TempTree;

ResultTable SampleTable() {
  ResultTable table;
  table.Append(Found("a.pdf", 1234 * 1024, 12, At(2005, 7, 26, 15, 5)));
  table.Append(Found("say \"hi\".pdf", 1, -1, At(2006, 1, 2, 10)));
  table.Append(Found("z.pdf", 3 * 1024, 3, At(2006, 1, 3, 23), "/docs/more"));
  return table;
}

TEST(ExportWriter, WritesTheVisibleColumnsOfEveryRowWithQuotingAndCrLf) {
  ResultTable table = SampleTable();
  const std::string comma = DelimitedText(TakeExportSnapshot(table), ",");
  EXPECT_EQ(comma,
            "File Name,Location,Size,Modified Date,Pages\r\n"
            "a.pdf,/docs,\"1,234 KB\",07/26/2005 03:05 PM,12\r\n"
            "\"say \"\"hi\"\".pdf\",/docs,1 KB,01/02/2006 10:00 AM,Error\r\n"
            "z.pdf,/docs/more,3 KB,01/03/2006 11:00 PM,3\r\n");

  table.SetColumnHidden(kLocation, true);
  table.SetRowHidden(0, true);  // a deleted file keeps its line
  table.Reorder({2, 0, 1});     // as sorted by the user
  const std::string tab = DelimitedText(TakeExportSnapshot(table), "\t");
  EXPECT_EQ(tab,
            "File Name\tSize\tModified Date\tPages\r\n"
            "z.pdf\t3 KB\t01/03/2006 11:00 PM\t3\r\n"
            "a.pdf\t1,234 KB\t07/26/2005 03:05 PM\t12\r\n"
            "\"say \"\"hi\"\".pdf\"\t1 KB\t01/02/2006 10:00 AM\tError\r\n");

  EXPECT_EQ(DelimitedText(TakeExportSnapshot(ResultTable{}), ";"), "File Name;Location;Size;Modified Date;Pages\r\n");
}

TEST(ExportWriter, TheTypeDecidesTheSeparator) {
  EXPECT_EQ(ExportSeparator("/x/list.xls", ";"), "\t");
  EXPECT_EQ(ExportSeparator("/x/list.CSV", ","), "\t");
  EXPECT_EQ(ExportSeparator("/x/list.txt", ";"), ";");
  EXPECT_EQ(ExportSeparator("/x/list.doc", ""), ",");
  EXPECT_EQ(ExportSeparator("/x/list.csv.txt", "|"), "|");
}

// How a file is replaced, and what is left when it cannot be, is the text file writer's own test.
TEST(ExportWriter, ReplacesAnExistingFileOrSaysWhyItCannotWrite) {
  TempTree tree;
  const std::string target = tree.Write("out/list.txt", "old contents");
  std::string error;
  ASSERT_TRUE(WriteExport(TakeExportSnapshot(SampleTable()), ",", target, error)) << error;
  EXPECT_TRUE(tree.Read("out/list.txt").starts_with("File Name,Location,"));

  EXPECT_FALSE(WriteExport(TakeExportSnapshot(SampleTable()), ",", tree.Path("missing/list.txt"), error));
  EXPECT_NE(error.find("missing"), std::string::npos) << error;
}

}  // namespace
}  // namespace folidex
