#pragma once

#include <string_view>

namespace folidex {

// Writes all of `text` to the open file `descriptor`, again after an interrupted or short
// write; false when a write fails (errno says why) or writes nothing.
bool WriteAll(int descriptor, std::string_view text);

}  // namespace folidex
