#include "cli/ListedColumns.h"

#include "core/results/ResultCells.h"

namespace folidex::cli {

ListedColumns FileColumns(const Listing& listing) {
  ListedColumns columns;
  for (int column = 0; column < kColumnCount; ++column) {
    columns.captions.emplace_back(ColumnCaption(static_cast<Column>(column)));
    columns.numeric.push_back(column == kSize || column == kPages);
  }
  if (listing.paperSizes) {
    columns.captions.emplace_back("Page Sizes");
    columns.numeric.push_back(false);
  }
  if (listing.reasons) {
    columns.captions.emplace_back("Reason");
    columns.numeric.push_back(false);
  }
  return columns;
}

std::vector<std::string> FileCells(const ListedFile& listed, const Listing& listing) {
  const auto texts = RowTexts(listed.file);
  std::vector<std::string> cells(texts.begin(), texts.end());
  if (listing.paperSizes) cells.push_back(listed.paperSizes ? PaperSizesText(*listed.paperSizes) : "");
  if (listing.reasons) cells.push_back(FormatFailureReason(listed.file.pages));
  return cells;
}

std::string PaperSizesText(const PaperSizeTally& sizes) {
  std::string text;
  for (const auto& [size, pages] : sizes) {
    text += (text.empty() ? "" : ", ") + PaperSizeText(size) + ": " + std::to_string(pages);
  }
  return text;
}

ListedColumns FolderColumns() { return {{"Location", "Files", "Pages", "Errors"}, {false, true, true, true}}; }

std::vector<std::string> FolderCells(const FolderTotal& folder) {
  return {folder.location, std::to_string(folder.files), std::to_string(folder.pages), std::to_string(folder.errors)};
}

}  // namespace folidex::cli
