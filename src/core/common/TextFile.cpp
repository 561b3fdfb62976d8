#include "core/common/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>

#include "core/common/SystemErrorText.h"
#include "core/common/WriteAll.h"

namespace folidex {

namespace fs = std::filesystem;

namespace {

std::string Reason(const std::string& what, const fs::path& path) {
  return what + " " + path.string() + ": " + SystemErrorText(errno);
}

// The folder's entry for the new name reaches the disk too; a failure here loses nothing
// that rename has not already made visible, so it is not reported.
void SyncFolder(const fs::path& folder) {
  const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  ::fsync(descriptor);
  ::close(descriptor);
}

// The file that writing to `file` changes: `file` itself, or the end of its chain of symbolic
// links (a link to a file not yet there included). A chain that does not end is left to the
// rename, which then replaces the first link.
fs::path FinalTarget(const fs::path& file) {
  constexpr int kMaxLinks = 40;  // as the system's own path resolution allows
  fs::path path = file;
  for (int hop = 0; hop < kMaxLinks; ++hop) {
    std::error_code failed;
    if (!fs::is_symlink(fs::symlink_status(path, failed)) || failed) return path;
    const fs::path next = fs::read_symlink(path, failed);
    if (failed) return path;
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return file;
}

// A file the user cannot write to, or that has no write permission for anyone (which the
// system lets root write all the same), is protected against being replaced.
bool WriteProtected(const fs::path& file, const struct stat& info) {
  return ::access(file.c_str(), W_OK) != 0 || (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

// Creates a new file of a fixed-length name in `folder`, so that a target whose name is as
// long as the file system allows still gets one. Asked for mode 0666, the file gets what
// the umask leaves of it, as any new file does.
int CreateTemporaryFile(const fs::path& folder, std::string& name) {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  thread_local std::mt19937 random{std::random_device{}()};
  std::uniform_int_distribution<std::size_t> letter(0, sizeof kLetters - 2);
  constexpr int kAttempts = 100;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    std::string leaf = ".fdx-";
    for (int i = 0; i < 8; ++i) leaf += kLetters[letter(random)];
    name = (folder / leaf).string();
    const int descriptor = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor >= 0 || errno != EEXIST) return descriptor;
  }
  return -1;
}

// The replacement keeps the old file's mode, and its owner and group where the system lets
// us give them (root saving another user's file); otherwise it stays ours, as any new file.
bool KeepOwnerAndMode(int descriptor, const struct stat& old) {
  [[maybe_unused]] const int ownerKept = ::fchown(descriptor, old.st_uid, old.st_gid);
  return ::fchmod(descriptor, old.st_mode & 07777) == 0;
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
  const fs::path target = FinalTarget(file);
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && WriteProtected(target, old)) {
    errno = EACCES;
    error = Reason("Cannot write", target);
    return false;
  }
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::string temporary;
  const int descriptor = CreateTemporaryFile(folder, temporary);
  if (descriptor < 0) {
    error = Reason("Cannot create a file in", folder);
    return false;
  }

  bool written =
      WriteAll(descriptor, text) && (!exists || KeepOwnerAndMode(descriptor, old)) && ::fsync(descriptor) == 0;
  if (!written) error = Reason("Cannot write", temporary);
  if (::close(descriptor) != 0 && written) {
    written = false;
    error = Reason("Cannot write", temporary);
  }
  if (written && ::rename(temporary.c_str(), target.c_str()) != 0) {
    written = false;
    error = Reason("Cannot replace", target);
  }
  if (!written) {
    ::unlink(temporary.c_str());
    return false;
  }
  SyncFolder(folder);
  return true;
}

}  // namespace folidex
