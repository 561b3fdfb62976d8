#include "cli/TableReport.h"

#include <algorithm>

#include "cli/ListedColumns.h"
#include "cli/TerminalText.h"

namespace folidex::cli {
namespace {

// Characters as a terminal shows them: UTF-8 continuation bytes take no column.
std::size_t DisplayWidth(const std::string& text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::vector<std::string> Shown(std::vector<std::string> cells) {
  for (std::string& cell : cells) cell = TerminalText(cell);
  return cells;
}

// A line of aligned cells, without the blanks an empty last cell would leave at its end.
void PrintLine(std::ostream& out, const std::vector<std::string>& line, const ListedColumns& columns,
               const std::vector<std::size_t>& widths) {
  std::string text;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const std::string padding(widths[i] - DisplayWidth(line[i]), ' ');
    text += columns.numeric[i] ? padding + line[i] : line[i] + padding;
    text += "  ";
  }
  text.erase(text.find_last_not_of(' ') + 1);
  out << text << '\n';
}

void PrintTable(std::ostream& out, const ListedColumns& columns, const std::vector<std::vector<std::string>>& lines) {
  std::vector<std::size_t> widths;
  for (std::size_t i = 0; i < columns.captions.size(); ++i) {
    widths.push_back(DisplayWidth(columns.captions[i]));
    for (const auto& line : lines) widths[i] = std::max(widths[i], DisplayWidth(line[i]));
  }
  PrintLine(out, columns.captions, columns, widths);
  for (const auto& line : lines) PrintLine(out, line, columns, widths);
  out << '\n';
}

}  // namespace

void TableReport::File(const ListedFile& listed) {
  if (!listing_.quiet) lines_.push_back(Shown(FileCells(listed, listing_)));
}

void TableReport::Finish(const Report& report) {
  if (!listing_.quiet) PrintTable(out_, FileColumns(listing_), lines_);
  if (report.folders != nullptr) {
    Lines folders;
    for (const FolderTotal& folder : *report.folders) folders.push_back(Shown(FolderCells(folder)));
    PrintTable(out_, FolderColumns(), folders);
  }
  PrintSummaryLines(out_, report.summary);
}

}  // namespace folidex::cli
