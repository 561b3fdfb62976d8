#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/results/ResultTable.h"

namespace folidex {

// Removes one listed file for good (no wastebasket). Refuses a folder, and refuses a
// write-protected file the way `rm` stops to ask before removing one. A link is removed
// itself, never what it points to.
bool RemoveListedFile(const std::string& path);

// Deletes the files of the selected rows in ascending row order and hides each row once
// its file is gone; rows already hidden were deleted before and are skipped. Stops at the
// first file that cannot be removed and returns its full path, leaving that row and every
// later one as they are. Nothing when every file went.
std::optional<std::string> DeleteSelectedFiles(ResultTable& table,
                                               const std::function<bool(const std::string& path)>& removeFile);

}  // namespace folidex
