#include "core/common/PathReach.h"

#include <fcntl.h>
#include <unistd.h>

#include <climits>
#include <string_view>

namespace folidex {
namespace {

// Opens a folder whose path may be longer than PATH_MAX: each piece, shorter than that and
// cut at a separator, is opened relative to the descriptor of the piece before it. The
// pieces are opened for reaching only (O_PATH), which needs no more permission than the
// system's own lookup of the whole path would. Gives -1 when a piece cannot be opened.
int OpenFolderPiecewise(std::string_view folder) {
  int fd = AT_FDCWD;
  std::size_t start = 0;
  while (start < folder.size()) {
    std::size_t end = folder.size();
    if (end - start >= PATH_MAX) end = folder.rfind('/', start + PATH_MAX - 1);
    int next = -1;
    if (end != std::string_view::npos && end > start) {
      next = openat(fd, std::string(folder.substr(start, end - start)).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    }
    if (fd != AT_FDCWD) close(fd);
    if (next < 0) return -1;
    fd = next;
    start = end;
    while (start < folder.size() && folder[start] == '/') ++start;  // the next piece is relative
  }
  return fd;
}

}  // namespace

PathReach::PathReach(const std::string& path) : folder_(AT_FDCWD), name_(path.c_str()) {
  if (path.size() < PATH_MAX) return;
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos || slash == 0) return;
  const int folder = OpenFolderPiecewise(std::string_view(path).substr(0, slash));
  if (folder < 0) return;
  folder_ = folder;
  name_ = path.c_str() + slash + 1;
}

PathReach::~PathReach() {
  if (folder_ != AT_FDCWD) close(folder_);
}

}  // namespace folidex
