#pragma once

#include <span>
#include <string>

namespace folidex::cli {

// Cells as a line of tab-separated values, as the convention of that format has it: no
// quoting, and TAB, CR, LF and backslash in a cell written as \t, \r, \n and \\, so that
// every line is one row and every TAB a column break. No line end.
std::string TsvLine(std::span<const std::string> cells);

}  // namespace folidex::cli
