#include "cli/TableReport.h"

#include <algorithm>

#include "core/results/ResultCells.h"

namespace folidex::cli {
namespace {

// Characters as a terminal shows them: UTF-8 continuation bytes take no column.
std::size_t DisplayWidth(const std::string& text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

bool RightAligned(int column) { return column == kSize || column == kPages; }

}  // namespace

void TableReport::Row(const FoundFile& file) {
  const auto cells = MakeRowCells(file);
  Line line;
  for (std::size_t i = 0; i < kListedColumns.size(); ++i) line[i] = cells[kListedColumns[i]];
  lines_.push_back(std::move(line));
}

void TableReport::PrintLine(const Line& line, const std::array<std::size_t, kListedColumns.size()>& widths) {
  for (std::size_t i = 0; i < line.size(); ++i) {
    const std::string padding(widths[i] - DisplayWidth(line[i]), ' ');
    const bool last = i + 1 == line.size();
    if (RightAligned(kListedColumns[i])) {
      out_ << padding << line[i];
    } else {
      out_ << line[i] << (last ? "" : padding);
    }
    out_ << (last ? "\n" : "  ");
  }
}

void TableReport::Finish(const Summary& summary) {
  Line header;
  for (std::size_t i = 0; i < kListedColumns.size(); ++i) header[i] = ColumnCaptions()[kListedColumns[i]];
  std::array<std::size_t, kListedColumns.size()> widths{};
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
