#include "cli/Utf8.h"

namespace folidex::cli {

Utf8Step NextUtf8(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return {1, true, lead};
  std::size_t continuations = 0;
  char32_t character = 0;
  unsigned char low = 0x80, high = 0xBF;  // the range of the byte after the lead
  if (lead >= 0xC2 && lead <= 0xDF) {
    continuations = 1;
    character = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    continuations = 2;
    character = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;   // no overlong form
    if (lead == 0xED) high = 0x9F;  // no surrogate
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    continuations = 3;
    character = lead & 0x07;
    if (lead == 0xF0) low = 0x90;   // no overlong form
    if (lead == 0xF4) high = 0x8F;  // nothing past U+10FFFF
  } else {
    return {1, false, 0};
  }
  std::size_t i = 1;
  for (; i <= continuations; ++i) {
    if (i >= text.size() || byte(i) < low || byte(i) > high) return {i, false, 0};
    character = (character << 6) | (byte(i) & 0x3F);
    low = 0x80;
    high = 0xBF;
  }
  return {i, true, character};
}

}  // namespace folidex::cli
