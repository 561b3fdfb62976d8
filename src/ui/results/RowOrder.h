#pragma once

#include <vector>

#include "core/results/ResultTable.h"

namespace folidex {

// The order of the data rows (their current numbers, for ResultTable::ReorderDataRows)
// sorted by `column`: "File Name" and "Location" as text without regard to case, "Size" by
// the kilobytes of the size key as numbers, "Modified Date" as date and time, "Pages" as
// numbers with "Error" (and any other text) after every number. Descending turns every
// comparison round; rows that compare equal keep their order.
std::vector<int> SortedRowOrder(const ResultTable& table, int column, bool ascending);

}  // namespace folidex
