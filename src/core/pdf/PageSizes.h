#pragma once

#include <atomic>
#include <optional>
#include <string>

#include "core/pdf/ByteSource.h"
#include "core/pdf/PageCount.h"
#include "core/pdf/PaperSize.h"

namespace folidex {

// The pages of a PDF document by paper size: every page leaf of the catalog's page tree,
// with the boxes and rotation it inherits (see PageBoxes), read by the fast reader, or for a
// file it finds damaged through the index the recovery rebuilds (every page of the tree
// read whole, the catalog found as the recovery finds it). Its work is bounded as the
// count's is, and so is the number of different sizes. Nothing when neither can read the
// file or its tree, or once `cancelled` is set. Never throws, thread-safe, and leaves the
// file's access time as counting does.
std::optional<PaperSizeTally> ReadPaperSizes(const ByteSource& source, const std::atomic<bool>* cancelled = nullptr);
// The same for the file at `path`, whose count is `pages`: nothing also when its pages
// could not be counted, or when the sizes are not of exactly the pages counted (a /Count
// that its tree does not bear out), so that sizes never add up to another total.
std::optional<PaperSizeTally> ReadPaperSizes(const std::string& path, const PageCount& pages,
                                             const std::atomic<bool>& cancelled);

}  // namespace folidex
