#include "cli/ListedColumns.h"

#include "core/results/ResultCells.h"

namespace folidex::cli {

ListedColumns FileColumns(bool reasons) {
  ListedColumns columns;
  for (int column = 0; column < kColumnCount; ++column) {
    columns.captions.emplace_back(ColumnCaption(static_cast<Column>(column)));
    columns.numeric.push_back(column == kSize || column == kPages);
  }
  if (reasons) {
    columns.captions.emplace_back("Reason");
    columns.numeric.push_back(false);
  }
  return columns;
}

std::vector<std::string> FileCells(const FoundFile& file, bool reasons) {
  const auto texts = RowTexts(file);
  std::vector<std::string> cells(texts.begin(), texts.end());
  if (reasons) cells.push_back(FormatFailureReason(file.pages));
  return cells;
}

ListedColumns FolderColumns() { return {{"Location", "Files", "Pages", "Errors"}, {false, true, true, true}}; }

std::vector<std::string> FolderCells(const FolderTotal& folder) {
  return {folder.location, std::to_string(folder.files), std::to_string(folder.pages), std::to_string(folder.errors)};
}

}  // namespace folidex::cli
