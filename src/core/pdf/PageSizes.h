#pragma once

#include <atomic>
#include <optional>
#include <string>

#include "core/pdf/ByteSource.h"
#include "core/pdf/PaperSize.h"

namespace folidex {

// The pages of a PDF document by paper size, read by the fast reader: every page leaf of
// the catalog's page tree, with the boxes and rotation it inherits (see PageBoxes). Its
// work is bounded as the count's is, and so is the number of different sizes. Nothing when
// the reader cannot read the file or its tree, or once `cancelled` is set. Never throws,
// thread-safe, and leaves the file's access time as counting does.
std::optional<PaperSizeTally> ReadPaperSizes(const ByteSource& source, const std::atomic<bool>* cancelled = nullptr);
std::optional<PaperSizeTally> ReadPaperSizes(const std::string& path, const std::atomic<bool>& cancelled);

}  // namespace folidex
