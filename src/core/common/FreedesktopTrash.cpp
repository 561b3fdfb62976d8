#include "core/common/FreedesktopTrash.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <filesystem>
#include <string_view>

#include "core/common/WriteAll.h"

namespace folidex {
namespace {

namespace fs = std::filesystem;

// Names tried for one file ("a.pdf", "a.2.pdf", ...) before the Trash is given up on.
constexpr int kMostNames = 10000;

std::optional<struct stat> LinkStatus(const std::string& path) {
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0) return std::nullopt;
  return info;
}

// Makes a private folder when missing; true when `path` is a folder, or a link to one.
bool MadeFolder(const std::string& path) {
  mkdir(path.c_str(), 0700);
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Makes a private folder when missing; true when `path` is a folder of the user's own and
// no link, so that no one else can have put it there to catch the user's files.
bool OwnFolder(const std::string& path) {
  mkdir(path.c_str(), 0700);
  const std::optional<struct stat> info = LinkStatus(path);
  return info && S_ISDIR(info->st_mode) && info->st_uid == getuid();
}

// The device of the file system that holds `path`, or where it would be made: that of the
// nearest existing file or folder on its way up.
std::optional<dev_t> DeviceOf(fs::path path) {
  for (;;) {
    struct stat info {};
    if (stat(path.c_str(), &info) == 0) return info.st_dev;
    if (!path.has_relative_path()) return std::nullopt;
    path = path.parent_path();
  }
}

// The top folder of the file system that holds `folder`: the last folder upward on its device.
fs::path FileSystemTop(fs::path folder, dev_t device) {
  while (folder.has_relative_path()) {
    const fs::path parent = folder.parent_path();
    struct stat info {};
    if (stat(parent.c_str(), &info) != 0 || info.st_dev != device) break;
    folder = parent;
  }
  return folder;
}

// The file's full path with the links of its folders resolved (the file itself may be a link).
std::optional<fs::path> Located(const std::string& path) {
  std::error_code error;
  const fs::path whole = fs::absolute(path, error);
  if (error) return std::nullopt;
  const fs::path folder = fs::canonical(whole.parent_path(), error);
  if (error) return std::nullopt;
  return folder / whole.filename();
}

// Escaped as in URLs: every byte but letters, digits, "-", "_", ".", "~" and "/" as "%XX".
std::string PercentEncoded(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9') ||
                       std::string_view("-_.~/").find(c) != std::string_view::npos;
    if (plain) {
      encoded += c;
    } else {
      encoded += '%';
      encoded += kHex[byte >> 4];
      encoded += kHex[byte & 15];
    }
  }
  return encoded;
}

// What the information file of a trashed file says: where it came from (relative to the
// trash's `relativeTo` where it lies below it) and when it was trashed, in local time.
std::string TrashInfo(const fs::path& original, const std::string& relativeTo) {
  fs::path recorded = original;
  if (!relativeTo.empty()) {
    const fs::path relative = original.lexically_relative(relativeTo);
    if (!relative.empty() && *relative.begin() != "..") recorded = relative;
  }
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char date[32];
  std::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%S", &local);
  return "[Trash Info]\nPath=" + PercentEncoded(recorded.string()) + "\nDeletionDate=" + date + "\n";
}

// "a.pdf", then "a.2.pdf", "a.3.pdf" ...
std::string NumberedName(const std::string& name, int number) {
  if (number == 1) return name;
  const std::size_t dot = name.rfind('.');
  if (dot == std::string::npos || dot == 0) return name + '.' + std::to_string(number);
  return name.substr(0, dot) + '.' + std::to_string(number) + name.substr(dot);
}

}  // namespace

std::optional<TrashFolder> HomeTrash(const std::string& dataHome) {
  if (dataHome.empty()) return std::nullopt;
  std::error_code error;
  fs::create_directories(dataHome, error);
  const std::string path = (fs::path(dataHome) / "Trash").string();
  if (!MadeFolder(path)) return std::nullopt;
  return TrashFolder{path, {}};
}

std::optional<TrashFolder> TopTrash(const std::string& top) {
  const std::string user = std::to_string(getuid());
  const fs::path shared = fs::path(top) / ".Trash";
  const std::optional<struct stat> sharedInfo = LinkStatus(shared.string());
  if (sharedInfo && S_ISDIR(sharedInfo->st_mode) && (sharedInfo->st_mode & S_ISVTX) != 0 &&
      OwnFolder((shared / user).string()))
    return TrashFolder{(shared / user).string(), top};
  const std::string own = (fs::path(top) / (".Trash-" + user)).string();
  if (OwnFolder(own)) return TrashFolder{own, top};
  return std::nullopt;
}

bool MoveIntoTrash(const std::string& path, const TrashFolder& trash) {
  const fs::path files = fs::path(trash.path) / "files";
  const fs::path info = fs::path(trash.path) / "info";
  const std::optional<fs::path> original = Located(path);
  if (!original || !MadeFolder(files.string()) || !MadeFolder(info.string())) return false;
  const std::string name = original->filename().string();
  const std::string description = TrashInfo(*original, trash.relativeTo);
  for (int number = 1; number <= kMostNames; ++number) {
    const std::string trashedName = NumberedName(name, number);
    // The information file is made first and exclusively: it reserves the name.
    const std::string infoPath = (info / (trashedName + ".trashinfo")).string();
    const int infoFile = open(infoPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (infoFile < 0 && errno == EEXIST) continue;
    if (infoFile < 0) return false;
    const std::string target = (files / trashedName).string();
    const bool taken = LinkStatus(target).has_value();  // a trashed file left without its information
    const bool written = !taken && WriteAll(infoFile, description);
    if (close(infoFile) == 0 && written && rename(path.c_str(), target.c_str()) == 0) return true;
    unlink(infoPath.c_str());
    if (!taken) return false;
  }
  return false;
}

bool MoveToTrash(const std::string& path, const std::string& dataHome) {
  const std::optional<struct stat> file = LinkStatus(path);
  if (!file || dataHome.empty()) return false;
  const std::optional<TrashFolder> home = HomeTrash(dataHome);
  if (home && DeviceOf(home->path) == file->st_dev) return MoveIntoTrash(path, *home);
  // A file on the home's own file system goes to the home Trash or to none.
  if (DeviceOf(dataHome) == file->st_dev) return false;
  const std::optional<fs::path> original = Located(path);
  if (!original) return false;
  const std::optional<TrashFolder> top = TopTrash(FileSystemTop(original->parent_path(), file->st_dev).string());
  return top && MoveIntoTrash(path, *top);
}

}  // namespace folidex
