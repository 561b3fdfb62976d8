#include "core/results/RowOrder.h"

#include <algorithm>
#include <chrono>
#include <numeric>
#include <stdexcept>
#include <string>
#include <utility>

namespace folidex {
namespace {

std::string FoldedCase(const std::string& text) {
  std::string folded = text;
  for (char& c : folded)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return folded;
}

// Counted files first, by their pages; failures compare equal among themselves.
std::pair<bool, std::int32_t> PagesKey(const PageCount& pages) { return {!pages.Counted(), pages.Pages()}; }

// Sorts the row numbers by the key of each row, computed once per row.
template <typename KeyOf>
std::vector<std::size_t> OrderBy(const ResultTable& table, bool ascending, KeyOf keyOf) {
  using Key = decltype(keyOf(table.Row(0).file));
  std::vector<Key> keys;
  keys.reserve(table.RowCount());
  for (std::size_t row = 0; row < table.RowCount(); ++row) keys.push_back(keyOf(table.Row(row).file));
  std::vector<std::size_t> order(table.RowCount());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return ascending ? keys[a] < keys[b] : keys[b] < keys[a]; });
  return order;
}

}  // namespace

std::vector<std::size_t> SortedRowOrder(const ResultTable& table, Column column, bool ascending) {
  switch (column) {
    case kFileName:
      return OrderBy(table, ascending, [](const FoundFile& file) { return FoldedCase(file.facts.name); });
    case kLocation:
      return OrderBy(table, ascending, [](const FoundFile& file) { return FoldedCase(file.facts.folder); });
    case kSize:
      return OrderBy(table, ascending, [](const FoundFile& file) { return RoundUpKB(file.facts.size); });
    case kModifiedDate:
      return OrderBy(table, ascending, [](const FoundFile& file) {
        return std::chrono::floor<std::chrono::minutes>(file.facts.modified);
      });
    case kPages:
      return OrderBy(table, ascending, [](const FoundFile& file) { return PagesKey(file.pages); });
    case kColumnCount:
      break;
  }
  throw std::out_of_range("no result column " + std::to_string(column));
}

}  // namespace folidex
