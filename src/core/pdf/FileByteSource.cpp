#include <unistd.h>

#include <cerrno>

#include "core/pdf/ByteSource.h"

namespace folidex {

std::size_t FileByteSource::ReadAt(std::int64_t offset, char* buffer, std::size_t length) const {
  std::size_t done = 0;
  while (done < length) {
    const ssize_t got = pread(fd_, buffer + done, length - done, static_cast<off_t>(offset + done));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) error_ = errno;
    if (got <= 0) break;
    done += static_cast<std::size_t>(got);
  }
  return done;
}

}  // namespace folidex
