#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "core/export/ExportWriter.h"
#include "support/FoundFiles.h"
#include "support/OrdinaryUser.h"
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

TEST(ExportWriter, ReplacesAnExistingFileAndLeavesNothingWhenItCannotWrite) {
  TempTree tree;
  const std::string target = tree.Write("out/list.txt", "old contents");
  std::string error;
  ASSERT_TRUE(WriteExport(TakeExportSnapshot(SampleTable()), ",", target, error)) << error;
  EXPECT_TRUE(tree.Read("out/list.txt").starts_with("File Name,Location,"));

  EXPECT_FALSE(WriteExport(TakeExportSnapshot(SampleTable()), ",", tree.Path("missing/list.txt"), error));
  EXPECT_NE(error.find("missing"), std::string::npos) << error;

  // A write-protected target stays as it is, also for root.
  ASSERT_EQ(chmod(target.c_str(), 0444), 0);
  EXPECT_FALSE(WriteExport(TakeExportSnapshot(SampleTable()), ",", target, error));
  EXPECT_TRUE(error.ends_with("Permission denied")) << error;
  ASSERT_EQ(chmod(target.c_str(), 0666), 0);

  // So does one in a folder the user may not write to.
  ASSERT_EQ(chmod(tree.Path().c_str(), 0755), 0);
  ASSERT_EQ(chmod(tree.Path("out").c_str(), 0555), 0);
  EXPECT_TRUE(test::RunAsOrdinaryUser([&] {
    std::string reason;
    return !WriteExport(TakeExportSnapshot(SampleTable()), ",", target, reason);
  }));
  EXPECT_TRUE(tree.Read("out/list.txt").starts_with("File Name,Location,"));
  std::size_t files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(tree.Path("out"))) files += entry.is_regular_file();
  EXPECT_EQ(files, 1u);  // no temporary file left beside the target
}

}  // namespace
}  // namespace folidex
