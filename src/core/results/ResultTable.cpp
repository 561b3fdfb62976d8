#include "core/results/ResultTable.h"

#include <stdexcept>

#include "core/common/ParseInteger.h"

namespace folidex {

const std::array<std::string_view, kColumnCount>& ColumnCaptions() {
  static const std::array<std::string_view, kColumnCount> captions{"File Name", "Location", "Size", "Modified Date",
                                                                   "Pages",     "",         ""};
  return captions;
}

ResultTable::ResultTable() {
  Row header;
  for (int column = 0; column < kColumnCount; ++column) header.cells[column] = ColumnCaptions()[column];
  rows_.push_back(std::move(header));
  columnHidden_[kFullPath] = true;
  columnHidden_[kSizeKey] = true;
}

ResultTable::Row& ResultTable::At(int row) { return const_cast<Row&>(static_cast<const ResultTable*>(this)->At(row)); }

const ResultTable::Row& ResultTable::At(int row) const {
  if (row < 0 || row >= RowCount()) throw std::out_of_range("result table row " + std::to_string(row));
  return rows_[row];
}

const std::string& ResultTable::Text(int row, int column) const { return At(row).cells.at(column); }

namespace {

std::int64_t PagesValue(const std::string& cell) { return ParseInteger<std::int64_t>(cell).value_or(0); }

}  // namespace

void ResultTable::SetText(int row, int column, std::string text) {
  std::string& cell = At(row).cells.at(column);
  if (column == kPages && row != kHeaderRow) pagesSum_ += PagesValue(text) - PagesValue(cell);
  cell = std::move(text);
}

const ResultTable::Row& ResultTable::DataRow(int row) const {
  if (row == kHeaderRow) throw std::out_of_range("the header row is no data row");
  return At(row);
}

int ResultTable::AppendRow() {
  rows_.emplace_back();
  if (cursorRow_ == kHeaderRow) cursorRow_ = 1;
  return RowCount() - 1;
}

int ResultTable::AppendRow(std::array<std::string, kColumnCount> cells) {
  const int row = AppendRow();
  for (int column = 0; column < kColumnCount; ++column) SetText(row, column, std::move(cells[column]));
  return row;
}

void ResultTable::RemoveAllRows() {
  rows_.resize(1);
  cursorRow_ = kHeaderRow;
  pagesSum_ = 0;
}

void ResultTable::ReorderDataRows(const std::vector<int>& order) {
  if (order.size() != rows_.size() - 1) throw std::invalid_argument("row order must name every data row");
  std::vector<Row> reordered;
  reordered.reserve(rows_.size());
  reordered.push_back(std::move(rows_[kHeaderRow]));
  std::vector<bool> taken(rows_.size(), false);
  for (const int row : order) {
    if (row <= kHeaderRow || row >= RowCount() || taken[row])
      throw std::invalid_argument("row order is no permutation");
    taken[row] = true;
    reordered.push_back(std::move(rows_[row]));
  }
  rows_ = std::move(reordered);
}

bool ResultTable::RowHidden(int row) const { return At(row).hidden; }

void ResultTable::SetRowHidden(int row, bool hidden) {
  if (row != kHeaderRow) At(row).hidden = hidden;
}

bool ResultTable::ColumnHidden(int column) const { return columnHidden_.at(column); }

void ResultTable::SetColumnHidden(int column, bool hidden) {
  if (column == kFullPath || column == kSizeKey) return;
  columnHidden_.at(column) = hidden;
}

bool ResultTable::RowSelected(int row) const { return At(row).selected; }

void ResultTable::SetRowSelected(int row, bool selected) {
  if (row != kHeaderRow) At(row).selected = selected;
}

int ResultTable::SelectedCount() const {
  int count = 0;
  for (std::size_t row = 1; row < rows_.size(); ++row) count += rows_[row].selected ? 1 : 0;
  return count;
}

int ResultTable::SelectedRow(int index) const {
  for (std::size_t row = 1; row < rows_.size(); ++row) {
    if (rows_[row].selected && index-- == 0) return static_cast<int>(row);
  }
  throw std::out_of_range("selected row index " + std::to_string(index));
}

std::vector<int> ResultTable::SelectedRows() const {
  std::vector<int> selected;
  for (std::size_t row = 1; row < rows_.size(); ++row) {
    if (rows_[row].selected) selected.push_back(static_cast<int>(row));
  }
  return selected;
}

void ResultTable::SelectAll() {
  for (std::size_t row = 1; row < rows_.size(); ++row) rows_[row].selected = true;
}

void ResultTable::InvertSelection() {
  for (std::size_t row = 1; row < rows_.size(); ++row) rows_[row].selected = !rows_[row].selected;
}

void ResultTable::SetCursor(int row, int column) {
  At(row);
  if (column < 0 || column >= kColumnCount) throw std::out_of_range("result table column");
  cursorRow_ = row;
  cursorColumn_ = column;
}

std::int64_t ResultTable::SumPages() const { return pagesSum_; }

std::string& ResultTable::StatusSlot(std::string_view key) {
  if (key == "Message") return messageText_;
  if (key == "Files") return filesText_;
  throw std::invalid_argument("no status panel with the key " + std::string{key});
}

void ResultTable::SetStatusText(std::string text, std::string_view key) { StatusSlot(key) = std::move(text); }

const std::string& ResultTable::StatusText(std::string_view key) const {
  return const_cast<ResultTable*>(this)->StatusSlot(key);
}

}  // namespace folidex
