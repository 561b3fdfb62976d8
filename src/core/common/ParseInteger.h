#pragma once

#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

#include "core/common/TrimBlanks.h"

namespace folidex {

// Converts the text of a number box or a settings value into an integer of type T.
// Blanks around the number and a leading sign are accepted; anything else, an empty
// text or a value outside T's range gives nothing.
template <typename T>
std::optional<T> ParseInteger(std::string_view text) {
  text = TrimBlanks(text);
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;

  std::int64_t wide = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), wide);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  if (wide < std::numeric_limits<T>::min() || wide > std::numeric_limits<T>::max()) return std::nullopt;
  return static_cast<T>(wide);
}

}  // namespace folidex
