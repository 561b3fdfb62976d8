#pragma once

#include <cstdint>

namespace folidex {

// Colours are stored in the Windows encoding: with the top bit clear an RGB colour laid out
// 0x00BBGGRR (red in the lowest byte), with the top bit set 0x800000nn, the current colour
// of system colour number nn (5 window background, 8 window text, 13 highlight,
// 14 highlighted text, 15 button face).

struct RgbParts {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const RgbParts&, const RgbParts&) = default;
};

constexpr bool IsSystemColor(std::int32_t color) { return color < 0; }

constexpr std::uint8_t SystemColorNumber(std::int32_t color) {
  return static_cast<std::uint8_t>(static_cast<std::uint32_t>(color) & 0xFFu);
}

constexpr std::int32_t SystemColor(std::uint8_t number) { return static_cast<std::int32_t>(0x80000000u | number); }

constexpr std::int32_t RgbColor(RgbParts parts) {
  return static_cast<std::int32_t>(parts.red | (parts.green << 8) | (parts.blue << 16));
}

constexpr RgbParts SplitRgbColor(std::int32_t color) {
  const auto bits = static_cast<std::uint32_t>(color);
  return {static_cast<std::uint8_t>(bits & 0xFFu), static_cast<std::uint8_t>((bits >> 8) & 0xFFu),
          static_cast<std::uint8_t>((bits >> 16) & 0xFFu)};
}

}  // namespace folidex
