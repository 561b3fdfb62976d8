#pragma once

#include <cstddef>
#include <string_view>

namespace folidex::cli {

// One step through bytes that should be UTF-8: a character, or the longest run of bytes
// that starts like one and is not (an "ill-formed subsequence", replaced as a whole).
struct Utf8Step {
  std::size_t length = 0;  // bytes taken, at least 1
  bool valid = false;
  char32_t character = 0;  // when valid
};

// The step at the start of `text`, which must not be empty. Overlong forms, surrogates
// and values past U+10FFFF are not valid.
Utf8Step NextUtf8(std::string_view text);

}  // namespace folidex::cli
