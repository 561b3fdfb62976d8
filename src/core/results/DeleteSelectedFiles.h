#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/results/ResultTable.h"

namespace folidex {

// Whether a listed file may be deleted: it is there and is no folder, and it is not a
// write-protected file (refused the way `rm` stops to ask before removing one). A link
// counts as itself, never as what it points to.
bool ListedFileDeletable(const std::string& path);

// Removes one listed file for good (no wastebasket) when it may be deleted. A link is
// removed itself, never what it points to.
bool RemoveListedFile(const std::string& path);

struct DeleteOutcome {
  std::vector<std::size_t> hiddenRows;    // the rows whose file went, now hidden
  std::optional<std::string> failedPath;  // the file that could not be removed
};

// Deletes the files of the selected rows (ascending row numbers) in that order and hides
// each row once its file is gone; rows already hidden were deleted before and are skipped.
// Stops at the first file that cannot be removed, leaving that row and every later one as
// they are.
DeleteOutcome DeleteSelectedFiles(ResultTable& table, const std::vector<std::size_t>& selectedRows,
                                  const std::function<bool(const std::string& path)>& removeFile);

}  // namespace folidex
