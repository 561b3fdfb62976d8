#include "cli/TsvLine.h"

namespace folidex::cli {

std::string TsvLine(std::span<const std::string> cells) {
  std::string line;
  for (std::size_t column = 0; column < cells.size(); ++column) {
    if (column > 0) line.push_back('\t');
    for (const char c : cells[column]) {
      switch (c) {
        case '\t':
          line += "\\t";
          break;
        case '\r':
          line += "\\r";
          break;
        case '\n':
          line += "\\n";
          break;
        case '\\':
          line += "\\\\";
          break;
        default:
          line.push_back(c);
      }
    }
  }
  return line;
}

}  // namespace folidex::cli
