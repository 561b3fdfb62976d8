#include "core/pdf/XrefSectionSearch.h"

#include <algorithm>

#include "core/pdf/PdfCharacters.h"

namespace folidex::pdf {
namespace {

constexpr std::size_t kNone = std::string_view::npos;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<std::size_t> FindLastTable(std::string_view text) {
  for (std::size_t at = text.rfind("xref"); at != kNone; at = at == 0 ? kNone : text.rfind("xref", at - 1)) {
    const bool lineStart = at == 0 || text[at - 1] == '\n' || text[at - 1] == '\r';
    if (lineStart && at + 4 < text.size() && IsWhiteSpace(text[at + 4])) return at;
  }
  return std::nullopt;
}

std::optional<std::size_t> FindLastStream(std::string_view text) {
  for (std::size_t type = text.rfind("/XRef"); type != kNone;
       type = type == 0 ? kNone : text.rfind("/XRef", type - 1)) {
    // "/XRefStm" in the trailer of a hybrid file names no stream here.
    if (type + 5 < text.size() && !IsWhiteSpace(text[type + 5]) && text[type + 5] != '/' && text[type + 5] != '>')
      continue;
    const std::size_t obj = text.rfind("obj", type);
    if (obj == kNone) return std::nullopt;
    if (const std::optional<std::size_t> header = ObjectHeaderBefore(text, obj)) return header;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::size_t> ObjectHeaderBefore(std::string_view text, std::size_t obj) {
  std::size_t at = obj;
  for (int number = 0; number < 2; ++number) {
    const std::size_t end = at;
    while (at > 0 && IsWhiteSpace(text[at - 1])) --at;
    if (at == end) return std::nullopt;
    const std::size_t digitsEnd = at;
    while (at > 0 && IsDigit(text[at - 1])) --at;
    if (at == digitsEnd) return std::nullopt;
  }
  if (at > 0 && !IsWhiteSpace(text[at - 1])) return std::nullopt;
  return at;
}

std::optional<std::size_t> FindLastXrefSection(std::string_view text) {
  const std::optional<std::size_t> table = FindLastTable(text);
  const std::optional<std::size_t> stream = FindLastStream(text);
  if (table && stream) return std::max(*table, *stream);
  return table ? table : stream;
}

}  // namespace folidex::pdf
