#include <gtest/gtest.h>

#include "core/results/ResultTable.h"
#include "core/results/ResultTableUpdater.h"

namespace folidex {
namespace {

int AddRow(ResultTable& table, const std::string& pages) {
  const int row = table.AppendRow();
  table.SetText(row, kPages, pages);
  return row;
}

TEST(ResultTable, SumsTheNumericPagesCellsOnly) {
  ResultTable table;
  AddRow(table, "12");
  AddRow(table, "Error");
  const int zero = AddRow(table, "0");
  EXPECT_EQ(table.SumPages(), 12);
  table.SetText(zero, kPages, "2147483647");
  table.SetText(zero, kPages, "2147483647");  // a rewrite replaces, it does not add again
  AddRow(table, "2147483647");
  EXPECT_EQ(table.SumPages(), 12 + 2 * 2147483647LL);
  table.RemoveAllRows();
  EXPECT_EQ(table.SumPages(), 0);
}

TEST(ResultTable, SelectAllAndInvertIncludeHiddenRows) {
  ResultTable table;
  table.SelectAll();
  table.InvertSelection();
  EXPECT_EQ(table.SelectedCount(), 0);
  EXPECT_EQ(table.CursorRow(), ResultTable::kHeaderRow);

  for (int i = 0; i < 4; ++i) AddRow(table, "1");
  table.SetRowHidden(2, true);
  table.SetRowSelected(3, true);
  table.InvertSelection();
  EXPECT_EQ(table.SelectedCount(), 3);
  EXPECT_EQ(table.SelectedRow(1), 2);
  EXPECT_EQ(table.SelectedRows(), (std::vector<int>{1, 2, 4}));
  table.SelectAll();
  EXPECT_EQ(table.SelectedCount(), 4);
  table.InvertSelection();
  EXPECT_EQ(table.SelectedCount(), 0);
  EXPECT_TRUE(table.RowHidden(2));
}

TEST(ResultTable, RemovingRowsKeepsTheHeaderColumnFlagsAndTexts) {
  ResultTable table;
  table.SetColumnHidden(kLocation, true);
  table.SetColumnHidden(kFullPath, false);  // the two key columns stay hidden
  table.SetStatusText("3 file(s) found", "Files");
  table.SetTotalText("Total Pages : 7");
  AddRow(table, "7");
  table.SetCursor(1, kPages);
  table.RemoveAllRows();
  EXPECT_EQ(table.RowCount(), 1);
  EXPECT_EQ(table.Text(0, kModifiedDate), "Modified Date");
  EXPECT_TRUE(table.ColumnHidden(kLocation));
  EXPECT_TRUE(table.ColumnHidden(kFullPath));
  EXPECT_EQ(table.StatusText("Files"), "3 file(s) found");
  EXPECT_EQ(table.TotalText(), "Total Pages : 7");
  EXPECT_EQ(table.CursorRow(), ResultTable::kHeaderRow);
  EXPECT_THROW(table.SetStatusText("x", "Clock"), std::invalid_argument);
}

TEST(ResultTable, ReorderingMovesWholeRowsWithTheirFlags) {
  ResultTable table;
  for (const char* pages : {"1", "2", "3"}) AddRow(table, pages);
  table.SetRowHidden(1, true);
  table.SetRowSelected(3, true);
  table.ReorderDataRows({3, 1, 2});
  EXPECT_EQ(table.Text(1, kPages), "3");
  EXPECT_TRUE(table.RowSelected(1));
  EXPECT_TRUE(table.RowHidden(2));
  EXPECT_EQ(table.Text(0, kPages), "Pages");
  EXPECT_THROW(table.ReorderDataRows({1, 1, 2}), std::invalid_argument);
}

FoundFile Found(const std::string& name, int pages) {
  FoundFile file;
  file.facts.name = name;
  file.facts.fullPath = "/docs/" + name;
  file.facts.folder = "/docs";
  file.pages = pages;
  return file;
}

TEST(ResultTableUpdater, KeepsTheStatusTextsAndTotalAsASearchGoes) {
  ResultTable table;
  AddRow(table, "99");  // left from an earlier search
  ResultTableUpdater updater(table);

  updater.FolderStarted("/docs/");
  updater.ResultsCleared();
  EXPECT_EQ(table.StatusText("Message"), "Searching /docs/");
  EXPECT_EQ(table.RowCount(), 1);
  updater.FolderStarted("/docs/empty");
  updater.FolderFinished("/docs/empty");
  EXPECT_EQ(table.StatusText("Files"), "No file found");
  EXPECT_EQ(table.TotalText(), "Total Pages : 0");

  updater.FileFound(Found("a.pdf", 12));
  updater.FileFound(Found("broken.pdf", -1));
  updater.FileFound(Found("blank.pdf", 0));
  EXPECT_EQ(table.TotalText(), "Total Pages : 0");  // refreshed once per folder, not per file
  updater.FolderFinished("/docs/");
  EXPECT_EQ(table.StatusText("Files"), "3 file(s) found");
  EXPECT_EQ(table.TotalText(), "Total Pages : 12");
  EXPECT_EQ(table.Text(2, kPages), "Error");
  updater.SearchEnded(false);
  EXPECT_EQ(table.StatusText("Message"), "Done");
  updater.SearchEnded(true);
  EXPECT_EQ(table.StatusText("Message"), "Search Terminated by User");
}

}  // namespace
}  // namespace folidex
