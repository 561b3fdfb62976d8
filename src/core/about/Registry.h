#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace folidex {

// The few registry values the about box reads, all of them text, behind an interface so
// that each platform (and each test) answers them its own way.
class Registry {
 public:
  virtual ~Registry() = default;
  virtual bool HasKey(std::string_view root, std::string_view keyPath) const = 0;
  virtual std::optional<std::string> Query(std::string_view root, std::string_view keyPath,
                                           std::string_view valueName) const = 0;
};

// Reads one value into `text`. A missing key or value, or a value over 1,024 bytes, gives
// false and empty text.
bool GetKeyValue(const Registry& registry, std::string_view root, std::string_view keyPath, std::string_view valueName,
                 std::string& text);

}  // namespace folidex
