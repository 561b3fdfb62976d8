#pragma once

#include <string>

#include "core/pdf/PageCount.h"

namespace folidex {

// An open, read-only descriptor of a regular file, closed on destruction. Anything else
// (a folder, a FIFO, a device, a link to one) is refused without blocking. Reading it
// leaves its access time as it was where the system allows that (for the file's owner).
class RegularFile {
 public:
  explicit RegularFile(const std::string& path);
  ~RegularFile();
  RegularFile(const RegularFile&) = delete;
  RegularFile& operator=(const RegularFile&) = delete;

  bool IsOpen() const { return fd_ >= 0; }
  int Descriptor() const { return fd_; }
  // Hands the descriptor over to the caller, who then closes it.
  int Release();
  long long Size() const { return size_; }
  // Why the file is not open: the system's error, or a file that is no regular file.
  CountFailure OpenFailure() const;

 private:
  int fd_ = -1;
  long long size_ = 0;
  int error_ = 0;  // the system's error number; 0 for a file refused as no regular file
};

}  // namespace folidex
