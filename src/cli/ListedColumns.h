#pragma once

#include <string>
#include <vector>

#include "cli/FolderTotals.h"
#include "cli/ReportPrinter.h"
#include "core/search/FoundFile.h"

namespace folidex::cli {

// The columns of one listing: the caption of each, and whether it holds numbers, which a
// table aligns to the right.
struct ListedColumns {
  std::vector<std::string> captions;
  std::vector<bool> numeric;
};

// The file list: the result columns, as the grid shows them; with --page-sizes a column of
// the pages by paper size ("A4: 10, A3: 2"; empty when they could not be read); with
// --reasons a last one that says why a file shows "Error" (empty for a counted file).
ListedColumns FileColumns(const Listing& listing);
std::vector<std::string> FileCells(const ListedFile& listed, const Listing& listing);

// "A4: 4100, A3: 110, 210×99 mm: 1".
std::string PaperSizesText(const PaperSizeTally& sizes);

// The subtotals of --by-folder.
ListedColumns FolderColumns();
std::vector<std::string> FolderCells(const FolderTotal& folder);

}  // namespace folidex::cli
