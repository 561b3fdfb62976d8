#include "core/pdf/PdfHeader.h"

#include <string_view>

namespace folidex {

std::optional<std::int64_t> FindPdfHeader(const ByteSource& source) {
  char head[1024];
  const std::size_t size = source.ReadAt(0, head, sizeof head);
  const std::size_t header = std::string_view(head, size).find("%PDF-");
  if (header == std::string_view::npos) return std::nullopt;
  return static_cast<std::int64_t>(header);
}

}  // namespace folidex
