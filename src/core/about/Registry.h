#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace folidex {

// Value types as the registry stores them.
inline constexpr std::uint32_t kRegistryString = 1;
inline constexpr std::uint32_t kRegistryNumber = 4;  // 32 bits, little-endian

struct RegistryValue {
  std::uint32_t type = kRegistryString;
  std::string data;  // the stored bytes, a string's terminating zero included when it has one
};

// The few registry values the about box reads, behind an interface so that each platform
// (and each test) answers them its own way.
class Registry {
 public:
  virtual ~Registry() = default;
  virtual bool HasKey(std::string_view root, std::string_view keyPath) const = 0;
  virtual std::optional<RegistryValue> Query(std::string_view root, std::string_view keyPath,
                                             std::string_view valueName) const = 0;
};

// Reads one value as text into `text`. A missing key or value, or data over 1,024 bytes,
// gives false and empty text. A string loses its terminating zero when it has one; a
// 32-bit number becomes its decimal digits; a value of any other type leaves `text` as
// it was, and the result is still true.
bool GetKeyValue(const Registry& registry, std::string_view root, std::string_view keyPath, std::string_view valueName,
                 std::string& text);

}  // namespace folidex
