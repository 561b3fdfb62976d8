#pragma once

#include <string>
#include <vector>

#include "cli/FolderTotals.h"
#include "core/search/FoundFile.h"

namespace folidex::cli {

// The columns of one listing: the caption of each, and whether it holds numbers, which a
// table aligns to the right.
struct ListedColumns {
  std::vector<std::string> captions;
  std::vector<bool> numeric;
};

// The file list: the result columns, as the grid shows them.
ListedColumns FileColumns();
std::vector<std::string> FileCells(const FoundFile& file);

// The subtotals of --by-folder.
ListedColumns FolderColumns();
std::vector<std::string> FolderCells(const FolderTotal& folder);

}  // namespace folidex::cli
