#pragma once

#include <string>
#include <string_view>

namespace folidex {

// A cell as delimited text: as it is, or in double quotes with inner quotes doubled when
// it holds the separator, a double quote, CR or LF.
std::string DelimitedField(std::string_view cell, std::string_view separator);

}  // namespace folidex
