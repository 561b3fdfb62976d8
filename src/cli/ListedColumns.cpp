#include "cli/ListedColumns.h"

#include "core/results/ResultCells.h"

namespace folidex::cli {

ListedColumns FileColumns() {
  ListedColumns columns;
  for (int column = 0; column < kColumnCount; ++column) {
    columns.captions.emplace_back(ColumnCaption(static_cast<Column>(column)));
    columns.numeric.push_back(column == kSize || column == kPages);
  }
  return columns;
}

std::vector<std::string> FileCells(const FoundFile& file) {
  const auto texts = RowTexts(file);
  return {texts.begin(), texts.end()};
}

ListedColumns FolderColumns() { return {{"Location", "Files", "Pages", "Errors"}, {false, true, true, true}}; }

std::vector<std::string> FolderCells(const FolderTotal& folder) {
  return {folder.location, std::to_string(folder.files), std::to_string(folder.pages), std::to_string(folder.errors)};
}

}  // namespace folidex::cli
