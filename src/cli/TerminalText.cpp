#include "cli/TerminalText.h"

#include <cstdio>

#include "cli/Utf8.h"

namespace folidex::cli {
namespace {

std::string Escape(const char* format, unsigned value) {
  char text[8];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

}  // namespace

std::string TerminalText(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  while (!text.empty()) {
    const Utf8Step step = NextUtf8(text);
    const char32_t c = step.character;
    if (!step.valid) {
      for (std::size_t i = 0; i < step.length; ++i) shown += Escape("\\x%02x", static_cast<unsigned char>(text[i]));
    } else if (c == '\t') {
      shown += "\\t";
    } else if (c == '\n') {
      shown += "\\n";
    } else if (c == '\r') {
      shown += "\\r";
    } else if (c == '\\') {
      shown += "\\\\";
    } else if (c < 0x20 || c == 0x7F) {
      shown += Escape("\\x%02x", static_cast<unsigned>(c));
    } else if (c >= 0x80 && c < 0xA0) {
      shown += Escape("\\u%04x", static_cast<unsigned>(c));
    } else {
      shown.append(text.substr(0, step.length));
    }
    text.remove_prefix(step.length);
  }
  return shown;
}

}  // namespace folidex::cli
