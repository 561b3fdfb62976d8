#include "core/pdf/StreamEnd.h"

#include <algorithm>
#include <string_view>

namespace folidex::pdf {

std::optional<std::int64_t> EndOfEndstream(PdfFile& file, std::int64_t dataEnd) {
  constexpr std::string_view kEndstream = "endstream";
  std::string_view after = file.Read(dataEnd, 32);
  const bool atFileEnd = dataEnd + static_cast<std::int64_t>(after.size()) == file.Size();
  const std::size_t blanks = std::min(after.find_first_not_of(" \t\r\n\f"), after.size());
  after.remove_prefix(blanks);
  if (after.starts_with(kEndstream)) return dataEnd + static_cast<std::int64_t>(blanks + kEndstream.size());
  if (atFileEnd && after.size() < kEndstream.size() && kEndstream.starts_with(after)) return file.Size();
  return std::nullopt;
}

}  // namespace folidex::pdf
