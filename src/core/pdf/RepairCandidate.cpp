#include "core/pdf/RepairCandidate.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

namespace folidex {

bool StartsLikePdf(const ByteSource& source) {
  char head[1024];
  const std::size_t size = source.ReadAt(0, head, sizeof head);
  return std::string_view(head, size).find("%PDF-") != std::string_view::npos;
}

bool HoldsWhatQpdfNeeds(const ByteSource& source) {
  constexpr std::size_t kChunk = std::size_t{1} << 20;
  constexpr std::size_t kOverlap = 8;  // longer than any word looked for, less one
  std::string buffer(kChunk + kOverlap, '\0');
  bool object = false, trailer = false;
  std::size_t kept = 0;
  for (std::int64_t at = 0; at < source.Size() && !(object && trailer);) {
    const std::size_t got = source.ReadAt(at, buffer.data() + kept, kChunk);
    if (got == 0) break;
    const std::string_view text(buffer.data(), kept + got);
    object = object || text.find("obj") != std::string_view::npos;
    trailer = trailer || text.find("trailer") != std::string_view::npos || text.find("XRef") != std::string_view::npos;
    kept = std::min(kOverlap, text.size());
    std::copy(text.end() - static_cast<std::ptrdiff_t>(kept), text.end(), buffer.begin());
    at += static_cast<std::int64_t>(got);
  }
  return object && trailer;
}

}  // namespace folidex
