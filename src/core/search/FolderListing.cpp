#include "core/search/FolderListing.h"

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>

#include "core/common/PathReach.h"
#include "core/common/SystemErrorText.h"

namespace folidex {
namespace {

LocalTime FromTimespec(const struct statx_timestamp& stamp) {
  return ToLocalTime(static_cast<std::time_t>(stamp.tv_sec));
}

struct EntryStatus {
  bool isFolder = false;
  FolderIdentity identity;
  FileFacts facts;
};

// Reads an entry's status through links; a dangling link is described by the link itself.
// On failure errno tells why.
std::optional<EntryStatus> StatEntry(int folderFd, const char* name) {
  if (name[0] == '\0') {
    errno = ENOENT;
    return std::nullopt;
  }
  struct statx info {};
  const unsigned mask = STATX_TYPE | STATX_SIZE | STATX_MTIME | STATX_ATIME | STATX_INO | STATX_BTIME;
  if (statx(folderFd, name, AT_NO_AUTOMOUNT, mask, &info) != 0 &&
      statx(folderFd, name, AT_NO_AUTOMOUNT | AT_SYMLINK_NOFOLLOW, mask, &info) != 0) {
    return std::nullopt;
  }
  EntryStatus status;
  status.isFolder = S_ISDIR(info.stx_mode);
  status.identity = {makedev(info.stx_dev_major, info.stx_dev_minor), info.stx_ino};
  status.facts.size = info.stx_size;
  const ZonedTime modified = ToZonedTime(static_cast<std::time_t>(info.stx_mtime.tv_sec));
  status.facts.modified = modified.local;
  status.facts.modifiedUtcOffset = modified.utcOffset;
  status.facts.accessed = FromTimespec(info.stx_atime);
  if (info.stx_mask & STATX_BTIME) status.facts.created = FromTimespec(info.stx_btime);
  return status;
}

bool NameBefore(const std::string& a, const std::string& b) {
  const int folded = strcasecmp(a.c_str(), b.c_str());
  return folded != 0 ? folded < 0 : a < b;
}

// Keeps the system's description of the last error in `error`.
std::nullopt_t Failure(std::string& error) {
  error = SystemErrorText(errno);
  return std::nullopt;
}

}  // namespace

std::string LocationText(const std::string& folder) {
  const std::size_t last = folder.find_last_not_of('/');
  if (last == std::string::npos) return folder.empty() ? folder : "/";
  return folder.substr(0, last + 1);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (!folder.empty() && folder.back() == '/') return folder + name;
  return folder + '/' + name;
}

std::optional<FolderListing> ListFolder(const std::string& folder, std::string& error) {
  const PathReach reach(folder);
  const int fd = openat(reach.Folder(), reach.Name(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return Failure(error);
  std::unique_ptr<DIR, int (*)(DIR*)> dir(fdopendir(fd), closedir);
  if (!dir) {
    Failure(error);
    close(fd);
    return std::nullopt;
  }
  const std::string shownFolder = LocationText(folder);
  FolderListing listing;
  for (;;) {
    errno = 0;  // readdir tells the end of the folder from a failure by errno alone
    const dirent* entry = readdir(dir.get());
    if (entry == nullptr) {
      if (errno != 0) return Failure(error);
      break;
    }
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    std::optional<EntryStatus> status = StatEntry(fd, entry->d_name);
    if (!status) {
      if (errno == ENOENT) continue;  // gone since the folder was read
      return Failure(error);          // a folder that may be listed but not searched (no "x" permission)
    }
    const std::string path = JoinPath(folder, name);
    if (status->isFolder) {
      listing.subfolders.push_back({path, status->identity});
    } else {
      FileFacts facts = std::move(status->facts);
      facts.name = name;
      facts.folder = shownFolder;
      facts.fullPath = path;
      facts.hidden = name.front() == '.';
      listing.files.push_back(std::move(facts));
    }
  }
  std::sort(listing.files.begin(), listing.files.end(),
            [](const FileFacts& a, const FileFacts& b) { return NameBefore(a.name, b.name); });
  std::sort(listing.subfolders.begin(), listing.subfolders.end(),
            [](const Subfolder& a, const Subfolder& b) { return NameBefore(a.path, b.path); });
  return listing;
}

std::optional<FileFacts> ReadFileFacts(const std::string& path, std::string& error) {
  const PathReach reach(path);
  std::optional<EntryStatus> status = StatEntry(reach.Folder(), reach.Name());
  if (!status) return Failure(error);
  if (status->isFolder) {
    errno = EISDIR;
    return Failure(error);
  }
  FileFacts facts = std::move(status->facts);
  const std::size_t slash = path.find_last_of('/');
  facts.name = slash == std::string::npos ? path : path.substr(slash + 1);
  facts.folder = slash == std::string::npos ? "." : LocationText(path.substr(0, slash + 1));
  facts.fullPath = path;
  facts.hidden = !facts.name.empty() && facts.name.front() == '.';
  return facts;
}

std::optional<FolderIdentity> IdentifyFolder(const std::string& folder) {
  const PathReach reach(folder);
  struct stat info {};
  if (fstatat(reach.Folder(), reach.Name(), &info, 0) != 0 || !S_ISDIR(info.st_mode)) return std::nullopt;
  return FolderIdentity{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
}

}  // namespace folidex
