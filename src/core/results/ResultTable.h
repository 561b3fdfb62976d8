#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/results/ResultCells.h"
#include "core/search/FoundFile.h"

namespace folidex {

// One row of the result list: a file found, and whether the row is hidden. A hidden row
// (its file was deleted) stays in the list: it counts everywhere but is not drawn.
struct ResultRow {
  FoundFile file;
  bool hidden = false;
};

// The status-bar panels whose texts the results keep.
enum class StatusPanel { Message, Files };

// The results of a search: the rows in their current order, which columns are hidden, and
// the texts shown beside the grid: the "Message" and "Files" status panels and the
// "Total Pages : " caption. Rows are numbered from 0.
class ResultTable {
 public:
  std::size_t RowCount() const { return rows_.size(); }
  bool Empty() const { return rows_.empty(); }
  const ResultRow& Row(std::size_t row) const { return rows_.at(row); }

  void Append(FoundFile file);
  // Removes every row; the column flags and the texts stay.
  void Clear();
  // Puts the rows into the given order of their current numbers (a permutation).
  void Reorder(const std::vector<std::size_t>& order);
  void SetRowHidden(std::size_t row, bool hidden) { rows_.at(row).hidden = hidden; }

  bool ColumnHidden(Column column) const { return columnHidden_.at(column); }
  void SetColumnHidden(Column column, bool hidden) { columnHidden_.at(column) = hidden; }

  // The pages of every counted file; files that could not be counted add nothing.
  std::int64_t SumPages() const { return pagesSum_; }

  const std::string& StatusText(StatusPanel panel) const { return statusTexts_.at(Slot(panel)); }
  void SetStatusText(StatusPanel panel, std::string text) { statusTexts_.at(Slot(panel)) = std::move(text); }
  const std::string& TotalText() const { return totalText_; }
  void SetTotalText(std::string text) { totalText_ = std::move(text); }

 private:
  static std::size_t Slot(StatusPanel panel) { return static_cast<std::size_t>(panel); }

  std::vector<ResultRow> rows_;
  std::array<bool, kColumnCount> columnHidden_{};
  std::int64_t pagesSum_ = 0;  // kept with every row added or removed
  std::array<std::string, 2> statusTexts_;
  std::string totalText_ = "Total Pages : 0";
};

}  // namespace folidex
