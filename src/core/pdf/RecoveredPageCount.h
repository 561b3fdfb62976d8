#pragma once

#include <atomic>

#include "core/pdf/ByteSource.h"
#include "core/pdf/PageCount.h"

namespace folidex {

// Counts the pages of a file whose cross-reference data cannot be used, through the index
// a scan of the whole file rebuilds (see RecoveredIndex). The catalog is the one the
// newest trailer's /Root leads to, else the newest object typed /Catalog; the count is
// the page leaves of its tree, given only when the root's /Count says the same. Without a
// usable tree, the count is the pages (/Type /Page) that the page-tree nodes found list,
// given only when exactly one of those nodes has no /Parent and is listed by none of the
// others, and its /Count says the same. Anything less sure is a Damaged failure that says what is missing.
// Bounded like the fast reader, with a budget of its own; never throws.
PageCount CountPagesRecovered(const ByteSource& source, const std::atomic<bool>* cancelled = nullptr);

}  // namespace folidex
