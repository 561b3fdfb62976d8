#include "core/pdf/QpdfCandidate.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/pdf/PdfHeader.h"

namespace folidex {
namespace {

// Where qpdf looks for "startxref" before it searches the whole file.
constexpr std::int64_t kEndSearch = std::int64_t{16} << 20;

// Scans `source` from `start` to its end for each word and returns which it found.
unsigned FindWords(const ByteSource& source, std::int64_t start, std::initializer_list<std::string_view> words) {
  constexpr std::size_t kChunk = std::size_t{1} << 20;
  constexpr std::size_t kOverlap = 16;  // longer than any word looked for
  const unsigned all = (1u << words.size()) - 1;
  std::string buffer(kChunk + kOverlap, '\0');
  unsigned found = 0;
  std::size_t kept = 0;
  for (std::int64_t at = start; at < source.Size() && found != all;) {
    const std::size_t got = source.ReadAt(at, buffer.data() + kept, kChunk);
    if (got == 0) break;
    const std::string_view text(buffer.data(), kept + got);
    unsigned bit = 1;
    for (const std::string_view word : words) {
      if (text.find(word) != std::string_view::npos) found |= bit;
      bit <<= 1;
    }
    kept = std::min(kOverlap, text.size());
    std::copy(text.end() - static_cast<std::ptrdiff_t>(kept), text.end(), buffer.begin());
    at += static_cast<std::int64_t>(got);
  }
  return found;
}

}  // namespace

bool StartsLikePdf(const ByteSource& source) { return FindPdfHeader(source).has_value(); }

bool WorthHandingToQpdf(const ByteSource& source, bool repair) {
  if (!repair) return FindWords(source, std::max<std::int64_t>(0, source.Size() - kEndSearch), {"startxref"}) == 1;
  const unsigned found = FindWords(source, 0, {"obj", "trailer", "XRef"});
  return (found & 1) != 0 && (found & 6) != 0;
}

}  // namespace folidex
