#pragma once

#include <atomic>

#include "core/pdf/ByteSource.h"
#include "core/pdf/PageCount.h"

namespace folidex {

// Counts the pages of a PDF by reading only what it needs: the tail for "startxref", the
// cross-reference entries of the objects it resolves, the catalog, the root of the page
// tree and its /Count. /Count is trusted when it is an integer from 0 to 2^31 - 1 that is
// no more than the objects the file can hold; otherwise the page leaves are counted.
// Its work is bounded by what the file holds (see ReadBudget), and it stops with a
// Cancelled failure once `cancelled` is set. Never throws, thread-safe.
PageCount CountPagesFast(const ByteSource& source, const std::atomic<bool>* cancelled = nullptr);

}  // namespace folidex
