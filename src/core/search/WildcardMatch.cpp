#include "core/search/WildcardMatch.h"

#include "core/common/TrimBlanks.h"

namespace folidex {
namespace {

// Decodes UTF-8 into code points, so that "?" stands for one character, not one byte.
// A byte that does not start a valid sequence stands for itself.
std::u32string Decode(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int extra = lead < 0x80 ? 0 : (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : -1;
    char32_t cp = extra == 0 ? lead : extra == 1 ? (lead & 0x1F) : extra == 2 ? (lead & 0x0F) : (lead & 0x07);
    bool valid = extra >= 0 && i + static_cast<std::size_t>(extra) < text.size();
    for (int k = 1; valid && k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      valid = (next & 0xC0) == 0x80;
      cp = (cp << 6) | (next & 0x3F);
    }
    if (valid) {
      out.push_back(cp);
      i += 1 + extra;
    } else {
      out.push_back(0xDC00 + lead);  // a lone byte, kept apart from real characters
      ++i;
    }
  }
  return out;
}

// Simple case folding for the scripts most file names use.
char32_t Fold(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + 0x20;
  if (c < 0xC0) return c;
  if (c <= 0xDE && c != 0xD7) return c + 0x20;  // Latin-1
  if (c >= 0x100 && c <= 0x137) return c | 1;   // Latin Extended-A, pairs
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return c + (c & 1);
  if (c >= 0x14A && c <= 0x177) return c | 1;
  if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return c + 0x20;  // Greek
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;                // Cyrillic
  if (c >= 0x410 && c <= 0x42F) return c + 0x20;
  return c;
}

bool MatchFolded(const std::u32string& name, const std::u32string& pattern) {
  std::size_t n = 0, p = 0;
  std::size_t starPattern = std::u32string::npos, starName = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == U'*') {
      starPattern = p++;
      starName = n;
    } else if (p < pattern.size() && (pattern[p] == U'?' || Fold(pattern[p]) == Fold(name[n]))) {
      ++p;
      ++n;
    } else if (starPattern != std::u32string::npos) {
      p = starPattern + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == U'*') ++p;
  return p == pattern.size();
}

}  // namespace

std::vector<std::string> SplitFilterPatterns(std::string_view filterText) {
  if (TrimBlanks(filterText) == "*.*") return {};

  const char separator = filterText.find(';') != std::string_view::npos   ? ';'
                         : filterText.find(',') != std::string_view::npos ? ','
                                                                          : '\0';
  std::vector<std::string> patterns;
  if (separator == '\0') {
    patterns.emplace_back(filterText);
    return patterns;
  }
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = filterText.find(separator, start);
    patterns.emplace_back(filterText.substr(start, end - start));
    if (end == std::string_view::npos) return patterns;
    start = end + 1;
  }
}

bool MatchesPattern(std::string_view name, std::string_view pattern) {
  while (!pattern.empty() && pattern.front() == ' ') pattern.remove_prefix(1);
  if (pattern.empty()) return false;
  if (pattern == "*.*") return true;
  return MatchFolded(Decode(name), Decode(pattern));
}

bool MatchesAnyPattern(std::string_view name, const std::vector<std::string>& patterns) {
  for (const std::string& pattern : patterns) {
    if (MatchesPattern(name, pattern)) return true;
  }
  return false;
}

}  // namespace folidex
