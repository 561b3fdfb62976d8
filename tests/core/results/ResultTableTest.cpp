#include <gtest/gtest.h>

#include "core/results/ApplyWalkEvent.h"
#include "core/results/ResultTable.h"
#include "core/results/SelectionSummary.h"
#include "support/FoundFiles.h"

namespace folidex {
namespace {

using test::Found;

// Totals add numbers past the range of one file's count; files that failed add nothing. A
// selection counts its shown rows only (a deleted file's row is hidden), and a file of no
// pages is no error.
TEST(ResultTable, SumsThePagesOfCountedFilesAndOfTheShownRowsSelected) {
  ResultTable table;
  for (const int pages : {12, -1, 0, 2147483647, 2147483647, 100}) table.Append(Found("f.pdf", 1, pages));
  EXPECT_EQ(table.SumPages(), 112 + 2 * 2147483647LL);
  table.SetRowHidden(5, true);
  EXPECT_EQ(SummarizeRows(table, {0, 1, 2, 3, 4, 5}), (SelectionSummary{5, 12 + 2 * 2147483647LL, 1}));
  EXPECT_EQ(SummarizeRows(table, {2, 5}), (SelectionSummary{1, 0, 0}));
  table.Clear();
  EXPECT_EQ(table.SumPages(), 0);
}

TEST(ResultTable, KeepsTheStatusTextsAndTotalAsASearchGoes) {
  ResultTable table;
  table.Append(Found("left from an earlier search.pdf", 1, 99));
  table.SetColumnHidden(kLocation, true);

  ApplyWalkEvent(table, walk::FolderStarted{"/docs/"});
  ApplyWalkEvent(table, walk::ResultsCleared{});
  EXPECT_EQ(table.StatusText(StatusPanel::Message), "Searching /docs/");
  EXPECT_TRUE(table.Empty());
  EXPECT_TRUE(table.ColumnHidden(kLocation));
  EXPECT_EQ(table.TotalText(), "Total Pages : 0");
  ApplyWalkEvent(table, walk::FolderStarted{"/docs/empty"});
  ApplyWalkEvent(table, walk::FolderUnreadable{"/docs/empty", "Permission denied"});
  ApplyWalkEvent(table, walk::FolderFinished{"/docs/empty"});
  EXPECT_EQ(table.StatusText(StatusPanel::Files), "No file found");
  EXPECT_EQ(table.StatusText(StatusPanel::Message), "Searching /docs/empty");

  ApplyWalkEvent(table, Found("a.pdf", 1, 12));
  ApplyWalkEvent(table, Found("broken.pdf", 1, -1));
  ApplyWalkEvent(table, Found("blank.pdf", 1, 0));
  EXPECT_EQ(table.TotalText(), "Total Pages : 0");  // refreshed once per folder, not per file
  ApplyWalkEvent(table, walk::FolderFinished{"/docs/"});
  EXPECT_EQ(table.StatusText(StatusPanel::Files), "3 file(s) found");
  EXPECT_EQ(table.TotalText(), "Total Pages : 12");
  ApplyWalkEvent(table, walk::SearchEnded{false});
  EXPECT_EQ(table.StatusText(StatusPanel::Message), "Done");
  ApplyWalkEvent(table, walk::SearchEnded{true});
  EXPECT_EQ(table.StatusText(StatusPanel::Message), "Search Terminated by User");
}

}  // namespace
}  // namespace folidex
