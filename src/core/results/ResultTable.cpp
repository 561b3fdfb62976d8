#include "core/results/ResultTable.h"

#include <stdexcept>

namespace folidex {

void ResultTable::Append(FoundFile file) {
  pagesSum_ += file.pages.Pages();
  rows_.push_back({std::move(file), false});
}

void ResultTable::Clear() {
  rows_.clear();
  pagesSum_ = 0;
}

void ResultTable::Reorder(const std::vector<std::size_t>& order) {
  if (order.size() != rows_.size()) throw std::invalid_argument("row order must name every row");
  std::vector<ResultRow> reordered;
  reordered.reserve(rows_.size());
  std::vector<bool> taken(rows_.size(), false);
  for (const std::size_t row : order) {
    if (row >= rows_.size() || taken[row]) throw std::invalid_argument("row order is no permutation");
    taken[row] = true;
    reordered.push_back(std::move(rows_[row]));
  }
  rows_ = std::move(reordered);
}

}  // namespace folidex
