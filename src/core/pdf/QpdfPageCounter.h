#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "core/pdf/PageCount.h"

namespace folidex {

// Counts the page leaves reached from the catalog's page tree with qpdf, which decrypts
// files that open with an empty password and, when `repair` is set, rebuilds damaged
// cross-reference data. Kids that lead back to a page-tree node on the current path are
// ignored. qpdf's reading is bounded by a multiple of the file's size, and so is its walk
// of the tree; a tree deeper than the walk's bound, or one whose shared nodes would take
// the walk further than that, is not counted. Stops once `cancelled` is set. A file it
// cannot count comes back with the reason qpdf gave or the bound that stopped it; never
// throws. `readAllowance`, when not negative, replaces the standard bound on qpdf's reading.
PageCount CountPagesWithQpdf(const std::string& path, bool repair = true, const std::atomic<bool>* cancelled = nullptr,
                             std::int64_t readAllowance = -1);

}  // namespace folidex
