#include "core/export/DelimitedField.h"

namespace folidex {

std::string DelimitedField(std::string_view cell, std::string_view separator) {
  const bool needsQuotes = cell.find_first_of("\"\r\n") != std::string_view::npos ||
                           (!separator.empty() && cell.find(separator) != std::string_view::npos);
  if (!needsQuotes) return std::string{cell};
  std::string quoted = "\"";
  for (const char c : cell) {
    if (c == '"') quoted.push_back('"');
    quoted.push_back(c);
  }
  quoted.push_back('"');
  return quoted;
}

std::string DelimitedLine(std::span<const std::string> cells, std::string_view separator) {
  std::string line;
  for (std::size_t column = 0; column < cells.size(); ++column) {
    if (column > 0) line += separator;
    line += DelimitedField(cells[column], separator);
  }
  return line;
}

}  // namespace folidex
