#pragma once

#include <span>
#include <string>
#include <string_view>

namespace folidex {

// A cell as delimited text: as it is, or in double quotes with inner quotes doubled when
// it holds the separator, a double quote, CR or LF.
std::string DelimitedField(std::string_view cell, std::string_view separator);

// Cells joined by the separator, each written as DelimitedField does; no line end.
std::string DelimitedLine(std::span<const std::string> cells, std::string_view separator);

}  // namespace folidex
