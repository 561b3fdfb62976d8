#include <gtest/gtest.h>

#include "core/results/ApplyWalkEvent.h"
#include "core/results/ResultTable.h"
#include "core/results/RowOrder.h"
#include "support/FoundFiles.h"

namespace folidex {
namespace {

using test::Found;

TEST(ResultTable, SumsThePagesOfCountedFilesOnly) {
  ResultTable table;
  table.Append(Found("a.pdf", 1, 12));
  table.Append(Found("b.pdf", 1, -1));
  table.Append(Found("c.pdf", 1, 0));
  EXPECT_EQ(table.SumPages(), 12);
  table.Append(Found("d.pdf", 1, 2147483647));
  table.Append(Found("e.pdf", 1, 2147483647));
  EXPECT_EQ(table.SumPages(), 12 + 2 * 2147483647LL);
  table.Clear();
  EXPECT_EQ(table.SumPages(), 0);
}

TEST(ResultTable, ReorderingMovesWholeRowsWithTheirFlags) {
  ResultTable table;
  for (const char* name : {"a.pdf", "b.pdf", "c.pdf"}) table.Append(Found(name));
  table.SetRowHidden(0, true);
  table.Reorder({2, 0, 1});
  EXPECT_EQ(table.Row(0).file.facts.name, "c.pdf");
  EXPECT_TRUE(table.Row(1).hidden);
  EXPECT_FALSE(table.Row(0).hidden);
  EXPECT_THROW(table.Reorder({0, 0, 1}), std::invalid_argument);
  EXPECT_THROW(table.Reorder({0, 1}), std::invalid_argument);
}

TEST(RowOrder, FilesThatCouldNotBeCountedSortAfterEveryNumberAndStayInOrder) {
  ResultTable table;
  for (const auto& [name, pages] : {std::pair{"a", 12}, {"b", -1}, {"c", 100}, {"d", -1}, {"e", 3}})
    table.Append(Found(name, 1, pages));
  EXPECT_EQ(SortedRowOrder(table, kPages, true), (std::vector<std::size_t>{4, 0, 2, 1, 3}));
  EXPECT_EQ(SortedRowOrder(table, kPages, false), (std::vector<std::size_t>{1, 3, 2, 0, 4}));
}

TEST(ApplyWalkEvent, KeepsTheStatusTextsAndTotalAsASearchGoes) {
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
