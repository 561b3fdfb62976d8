#pragma once

#include <string>

namespace folidex {

// Reaches a path of any length. The system takes at most PATH_MAX bytes in one call, but a
// folder tree may be deeper than that. A shorter path is used as it is; a longer one is
// reached through a descriptor of its folder, opened piece by piece, each piece relative to
// the descriptor of the one before, and the path's last name under it.
class PathReach {
 public:
  // `path` must outlive the object.
  explicit PathReach(const std::string& path);
  ~PathReach();
  PathReach(const PathReach&) = delete;
  PathReach& operator=(const PathReach&) = delete;

  // For the *at system calls: AT_FDCWD and the whole path, or the folder and the last name.
  // When the folder cannot be opened it stays the whole path, which the call then refuses.
  int Folder() const { return folder_; }
  const char* Name() const { return name_; }

 private:
  int folder_;
  const char* name_;
};

}  // namespace folidex
