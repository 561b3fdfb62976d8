#pragma once

#include <cstddef>
#include <vector>

#include "core/results/ResultTable.h"

namespace folidex {

// The order of the rows (their current numbers, for ResultTable::Reorder) sorted by
// `column`: "File Name" and "Location" as text without regard to the case of ASCII
// letters, "Size" by the kilobytes shown, "Modified Date" by the time shown (to the
// minute), "Pages" by number with the files that could not be counted after every
// number. Descending turns every comparison round; rows that compare equal keep their order.
std::vector<std::size_t> SortedRowOrder(const ResultTable& table, Column column, bool ascending);

}  // namespace folidex
