#include "core/pdf/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/common/PathReach.h"
#include "core/pdf/PdfReadFailure.h"

namespace folidex {

RegularFile::RegularFile(const std::string& path) {
  // O_NONBLOCK keeps the open of a FIFO from waiting for a writer; it is refused below.
  // O_NOATIME keeps counting from changing the file's access time, which date criteria
  // read; the system allows it only to the file's owner and refuses it to others. A path
  // longer than the system takes in one call is opened through its folder.
  constexpr int kFlags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
  const PathReach reach(path);
  int fd = openat(reach.Folder(), reach.Name(), kFlags | O_NOATIME);
  if (fd < 0 && errno == EPERM) fd = openat(reach.Folder(), reach.Name(), kFlags);
  if (fd < 0) {
    error_ = errno;
    return;
  }
  struct stat info {};
  const bool statted = fstat(fd, &info) == 0;
  if (!statted || !S_ISREG(info.st_mode)) {
    error_ = !statted ? errno : S_ISDIR(info.st_mode) ? EISDIR : 0;
    close(fd);
    return;
  }
  fd_ = fd;
  size_ = static_cast<long long>(info.st_size);
}

RegularFile::~RegularFile() {
  if (fd_ >= 0) close(fd_);
}

CountFailure RegularFile::OpenFailure() const {
  if (error_ == 0) return pdf::Unsupported("not a regular file");
  return pdf::Unreadable(error_);
}

int RegularFile::Release() {
  const int fd = fd_;
  fd_ = -1;
  return fd;
}

}  // namespace folidex
