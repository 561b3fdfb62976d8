#include "core/common/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace folidex {

namespace fs = std::filesystem;

namespace {

std::string Reason(const std::string& what, const fs::path& path) {
  return what + " " + path.string() + ": " + std::strerror(errno);
}

bool WriteAll(int descriptor, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(descriptor, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// The folder's entry for the new name reaches the disk too; a failure here loses nothing
// that rename has not already made visible, so it is not reported.
void SyncFolder(const fs::path& folder) {
  const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  ::fsync(descriptor);
  ::close(descriptor);
}

}  // namespace

bool ReadTextFile(const fs::path& file, std::string& text, std::string& error) {
  text.clear();
  const int descriptor = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) {
    if (errno == ENOENT) return true;
    error = Reason("Cannot open", file);
    return false;
  }
  char buffer[8192];
  ssize_t count = 0;
  while ((count = ::read(descriptor, buffer, sizeof buffer)) != 0) {
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) {
      error = Reason("Cannot read", file);
      ::close(descriptor);
      return false;
    }
    text.append(buffer, static_cast<std::size_t>(count));
  }
  ::close(descriptor);
  return true;
}

bool ReplaceTextFile(const fs::path& file, std::string_view text, std::string& error) {
  const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
  std::string temporary = (folder / ("." + file.filename().string() + ".XXXXXX")).string();
  const int descriptor = ::mkstemp(temporary.data());
  if (descriptor < 0) {
    error = Reason("Cannot create a file in", folder);
    return false;
  }

  struct stat old {};
  const mode_t mode = ::stat(file.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
  bool written = ::fchmod(descriptor, mode) == 0 && WriteAll(descriptor, text) && ::fsync(descriptor) == 0;
  if (!written) error = Reason("Cannot write", temporary);
  if (::close(descriptor) != 0 && written) {
    written = false;
    error = Reason("Cannot write", temporary);
  }
  if (written && ::rename(temporary.c_str(), file.c_str()) != 0) {
    written = false;
    error = Reason("Cannot replace", file);
  }
  if (!written) {
    ::unlink(temporary.c_str());
    return false;
  }
  SyncFolder(folder);
  return true;
}

}  // namespace folidex
