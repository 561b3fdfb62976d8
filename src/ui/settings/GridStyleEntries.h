#pragma once

#include <array>
#include <cstdint>

namespace folidex {

// The line styles the preferences offer, in the order of the list, each with the code
// stored as GridStyle. The codes 0, 7 and 11 have no entry.
struct GridStyleEntry {
  const char* name;
  std::uint8_t code;
};

inline constexpr std::array<GridStyleEntry, 11> kGridStyleEntries{{
    {"Flat", 1},
    {"Inset", 2},
    {"Raised", 3},
    {"Flat Horizontal", 4},
    {"Inset Horizontal", 5},
    {"Raised Horizontal", 6},
    {"Flat Vertical", 8},
    {"Inset Vertical", 9},
    {"Raised Vertical", 10},
    {"Explorer", 12},
    {"Excel", 13},
}};

// The position of the first entry that carries `code`, or -1 when none does.
constexpr int GridStyleIndex(std::uint8_t code) {
  for (std::size_t i = 0; i < kGridStyleEntries.size(); ++i)
    if (kGridStyleEntries[i].code == code) return static_cast<int>(i);
  return -1;
}

}  // namespace folidex
