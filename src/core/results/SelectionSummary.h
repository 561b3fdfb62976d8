#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/results/ResultTable.h"

namespace folidex {

// What a set of rows holds: how many files and the sum of their pages, and how many of
// those files could not be counted (they add no pages).
struct SelectionSummary {
  std::size_t files = 0;
  std::int64_t pages = 0;
  std::size_t uncounted = 0;

  friend bool operator==(const SelectionSummary&, const SelectionSummary&) = default;
};

// Sums the given rows; hidden rows (their files were deleted) are left out.
SelectionSummary SummarizeRows(const ResultTable& table, const std::vector<std::size_t>& rows);

}  // namespace folidex
