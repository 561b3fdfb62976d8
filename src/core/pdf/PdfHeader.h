#pragma once

#include <cstdint>
#include <optional>

#include "core/pdf/ByteSource.h"

namespace folidex {

// Where the "%PDF-" header stands within the first KiB of `source`, where qpdf and poppler
// look for it; nothing when it is not there. Junk before it (a mail header, a scanner's
// preamble) usually moves the whole file, whose offsets then count from the header.
std::optional<std::int64_t> FindPdfHeader(const ByteSource& source);

}  // namespace folidex
