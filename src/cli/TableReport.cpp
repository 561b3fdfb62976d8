#include "cli/TableReport.h"

#include <algorithm>

namespace folidex::cli {
namespace {

// Characters as a terminal shows them: UTF-8 continuation bytes take no column.
std::size_t DisplayWidth(const std::string& text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

bool RightAligned(int column) { return column == kSize || column == kPages; }

}  // namespace

void TableReport::Row(const FoundFile& file) { lines_.push_back(RowTexts(file)); }

void TableReport::PrintLine(const Line& line, const std::array<std::size_t, kColumnCount>& widths) {
  for (std::size_t i = 0; i < line.size(); ++i) {
    const std::string padding(widths[i] - DisplayWidth(line[i]), ' ');
    const bool last = i + 1 == line.size();
    if (RightAligned(static_cast<int>(i))) {
      out_ << padding << line[i];
    } else {
      out_ << line[i] << (last ? "" : padding);
    }
    out_ << (last ? "\n" : "  ");
  }
}

void TableReport::Finish(const Summary& summary) {
  const Line header = HeaderTexts();
  std::array<std::size_t, kColumnCount> widths{};
  for (std::size_t i = 0; i < widths.size(); ++i) {
    widths[i] = DisplayWidth(header[i]);
    for (const Line& line : lines_) widths[i] = std::max(widths[i], DisplayWidth(line[i]));
  }
  PrintLine(header, widths);
  for (const Line& line : lines_) PrintLine(line, widths);
  out_ << '\n';
  PrintSummaryLines(out_, summary);
}

}  // namespace folidex::cli
