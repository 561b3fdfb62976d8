#include "core/results/TrashOrRemoveListedFile.h"

#include "core/common/FreedesktopTrash.h"
#include "core/results/DeleteSelectedFiles.h"

namespace folidex {

bool TrashOrRemoveListedFile(const std::string& path, const std::string& dataHome) {
  return ListedFileDeletable(path) && (MoveToTrash(path, dataHome) || RemoveListedFile(path));
}

}  // namespace folidex
