#include "core/results/DeleteSelectedFiles.h"

#include <sys/stat.h>
#include <unistd.h>

namespace folidex {

bool RemoveListedFile(const std::string& path) {
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return false;
  if (S_ISREG(info.st_mode) && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
  return unlink(path.c_str()) == 0;
}

std::optional<std::string> DeleteSelectedFiles(ResultTable& table,
                                               const std::function<bool(const std::string& path)>& removeFile) {
  for (const int row : table.SelectedRows()) {
    if (table.RowHidden(row)) continue;
    const std::string& path = table.Text(row, kFullPath);
    if (!removeFile(path)) return path;
    table.SetRowHidden(row, true);
  }
  return std::nullopt;
}

}  // namespace folidex
