#include "core/settings/IniFile.h"

#include <algorithm>

#include "core/common/TrimBlanks.h"

namespace folidex {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsQuote(char c) { return c == '"' || c == '\''; }

bool HasEnclosingQuotes(std::string_view text) {
  return text.size() >= 2 && IsQuote(text.front()) && text.back() == text.front();
}

bool SameName(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

// The name of the section a line opens: the text between "[" and the first "]" (or the end
// of the line), without blanks around it.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = TrimBlanks(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  line.remove_prefix(1);
  return TrimBlanks(line.substr(0, line.find(']')));
}

std::string_view ValueAfter(std::string_view line, std::size_t equalsSign) {
  std::string_view value = TrimBlanks(line.substr(equalsSign + 1));
  if (HasEnclosingQuotes(value)) value = value.substr(1, value.size() - 2);
  return value;
}

// The first `limit` characters of UTF-8 text; a character starts at every byte that is not
// a continuation byte, so invalid text is cut at a byte boundary all the same.
std::string_view LeadingCharacters(std::string_view text, std::size_t limit) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool continuation = (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
    if (!continuation && characters++ == limit) return text.substr(0, i);
  }
  return text;
}

// The value as it goes after "=", quoted when reading would otherwise lose blanks or quotes.
std::string StoredValue(std::string_view value) {
  const bool quote = !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()) || HasEnclosingQuotes(value));
  return quote ? "\"" + std::string(value) + "\"" : std::string(value);
}

}  // namespace

IniFile::IniFile(std::string_view text) {
  if (text.starts_with(kByteOrderMark)) {
    byteOrderMark_ = true;
    text.remove_prefix(kByteOrderMark.size());
  }
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines_.emplace_back(line);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
}

std::optional<IniFile::SectionLines> IniFile::FindSection(std::string_view section) const {
  const std::string_view name = TrimBlanks(section);
  for (std::size_t header = 0; header < lines_.size(); ++header) {
    const std::optional<std::string_view> headerName = SectionName(lines_[header]);
    if (!headerName || !SameName(*headerName, name)) continue;
    std::size_t end = header + 1;
    while (end < lines_.size() && !SectionName(lines_[end])) ++end;
    return SectionLines{header, end};
  }
  return std::nullopt;
}

std::optional<IniFile::KeyLine> IniFile::FindKey(const SectionLines& lines, std::string_view key) const {
  const std::string_view name = TrimBlanks(key);
  for (std::size_t index = lines.header + 1; index < lines.end; ++index) {
    const std::size_t equalsSign = lines_[index].find('=');
    if (equalsSign == std::string::npos) continue;
    if (SameName(TrimBlanks(std::string_view(lines_[index]).substr(0, equalsSign)), name)) {
      return KeyLine{index, equalsSign};
    }
  }
  return std::nullopt;
}

std::optional<std::string> IniFile::Find(std::string_view section, std::string_view key) const {
  const std::optional<SectionLines> lines = FindSection(section);
  if (!lines) return std::nullopt;
  const std::optional<KeyLine> found = FindKey(*lines, key);
  if (!found) return std::nullopt;
  return std::string(ValueAfter(lines_[found->index], found->equalsSign));
}

std::string IniFile::Read(std::string_view section, std::string_view key, std::string_view defaultText,
                          std::size_t limit) const {
  const std::optional<std::string> value = Find(section, key);
  return std::string(LeadingCharacters(value ? *value : defaultText, limit));
}

bool IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
  if (value.find_first_of("\r\n") != std::string_view::npos) return false;
  const std::string stored = StoredValue(value);

  const std::optional<SectionLines> lines = FindSection(section);
  if (!lines) {
    lines_.push_back("[" + std::string(section) + "]");
    lines_.push_back(std::string(key) + "=" + stored);
    return true;
  }
  if (const std::optional<KeyLine> found = FindKey(*lines, key)) {
    lines_[found->index].replace(found->equalsSign + 1, std::string::npos, stored);
    return true;
  }
  std::size_t after = lines->header + 1;
  for (std::size_t index = after; index < lines->end; ++index) {
    if (lines_[index].find('=') != std::string::npos) after = index + 1;
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(after), std::string(key) + "=" + stored);
  return true;
}

std::string IniFile::Text() const {
  std::string text(byteOrderMark_ ? kByteOrderMark : std::string_view{});
  for (const std::string& line : lines_) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace folidex
