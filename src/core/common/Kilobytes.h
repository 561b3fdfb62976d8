#pragma once

#include <cstdint>

namespace folidex {

// Whole kilobytes of 1024 bytes, rounded up: 0 bytes is 0 KB, 1025 bytes 2 KB. The unit
// of the Size column and of the size criteria.
constexpr std::uint64_t RoundUpKB(std::uint64_t bytes) { return bytes / 1024 + (bytes % 1024 != 0 ? 1 : 0); }

}  // namespace folidex
