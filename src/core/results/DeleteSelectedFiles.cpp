#include "core/results/DeleteSelectedFiles.h"

#include <sys/stat.h>
#include <unistd.h>

namespace folidex {

bool ListedFileDeletable(const std::string& path) {
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return false;
  return !S_ISREG(info.st_mode) || (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

bool RemoveListedFile(const std::string& path) { return ListedFileDeletable(path) && unlink(path.c_str()) == 0; }

DeleteOutcome DeleteSelectedFiles(ResultTable& table, const std::vector<std::size_t>& selectedRows,
                                  const std::function<bool(const std::string& path)>& removeFile) {
  DeleteOutcome outcome;
  for (const std::size_t row : selectedRows) {
    if (table.Row(row).hidden) continue;
    const std::string& path = table.Row(row).file.facts.fullPath;
    if (!removeFile(path)) {
      outcome.failedPath = path;
      break;
    }
    table.SetRowHidden(row, true);
    outcome.hiddenRows.push_back(row);
  }
  return outcome;
}

}  // namespace folidex
