#pragma once

#include <array>

#include "core/results/ResultCells.h"
#include "core/results/ResultTable.h"

namespace folidex::cli {

// The five columns the grid shows, in its order.
inline constexpr std::array<int, 5> kListedColumns{kFileName, kLocation, kSize, kModifiedDate, kPages};

}  // namespace folidex::cli
