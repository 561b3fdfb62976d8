#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/results/ResultCells.h"

namespace folidex {

// The rows behind the results grid: header row 0 with the captions, then one row per
// file found. Hidden rows stay in the table (they count everywhere but are not drawn).
// Also keeps the texts shown beside the grid: the "Message" and "Files" status panels
// and the "Total Pages : " caption.
class ResultTable {
 public:
  struct Row {
    std::array<std::string, kColumnCount> cells;
    bool hidden = false;
    bool selected = false;
  };

  static constexpr int kHeaderRow = 0;

  ResultTable();

  int RowCount() const { return static_cast<int>(rows_.size()); }  // the header row included
  int ColumnCount() const { return kColumnCount; }
  bool HasDataRows() const { return rows_.size() > 1; }

  const std::string& Text(int row, int column) const;
  void SetText(int row, int column, std::string text);
  const Row& DataRow(int row) const;

  // Appends a data row, empty or with its cells, and returns its number.
  int AppendRow();
  int AppendRow(std::array<std::string, kColumnCount> cells);
  // Removes every data row; the header, the column flags and the texts stay.
  void RemoveAllRows();
  // Puts the data rows into the given order of their current row numbers (a permutation of 1..n).
  void ReorderDataRows(const std::vector<int>& order);

  bool RowHidden(int row) const;
  void SetRowHidden(int row, bool hidden);
  bool ColumnHidden(int column) const;
  void SetColumnHidden(int column, bool hidden);  // columns 5 and 6 stay hidden

  bool RowSelected(int row) const;
  void SetRowSelected(int row, bool selected);
  int SelectedCount() const;
  int SelectedRow(int index) const;       // the index-th selected row in ascending order
  std::vector<int> SelectedRows() const;  // every selected row in ascending order, in one pass
  void SelectAll();
  void InvertSelection();

  // The cursor; row 0 means it stands on no data row.
  int CursorRow() const { return cursorRow_; }
  int CursorColumn() const { return cursorColumn_; }
  void SetCursor(int row, int column);

  // Sum of the numeric cells of the Pages column; "Error" and other text add nothing.
  std::int64_t SumPages() const;

  // key is "Message" or "Files".
  void SetStatusText(std::string text, std::string_view key);
  const std::string& StatusText(std::string_view key) const;
  const std::string& TotalText() const { return totalText_; }
  void SetTotalText(std::string text) { totalText_ = std::move(text); }

 private:
  Row& At(int row);
  const Row& At(int row) const;
  std::string& StatusSlot(std::string_view key);

  std::vector<Row> rows_;
  std::array<bool, kColumnCount> columnHidden_{};
  int cursorRow_ = kHeaderRow;
  int cursorColumn_ = 0;
  std::int64_t pagesSum_ = 0;  // kept with every write of a Pages cell
  std::string messageText_;
  std::string filesText_;
  std::string totalText_ = "Total Pages : 0";
};

// Header captions of the seven columns; the two hidden ones have none.
const std::array<std::string_view, kColumnCount>& ColumnCaptions();

}  // namespace folidex
