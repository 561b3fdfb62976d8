#pragma once

#include <optional>
#include <string>

namespace folidex {

// A Trash folder as the freedesktop.org trash specification lays it out, the one the
// desktop's file managers use and put files back from: "files" holds the trashed files,
// "info" one "NAME.trashinfo" for each, which says where it came from and when.
struct TrashFolder {
  std::string path;
  // The folder the original paths are written relative to; empty: they are written whole.
  std::string relativeTo;
};

// The user's home Trash, "Trash" under `dataHome` (the XDG data folder; it may be a link),
// made with the folders above it when missing; nothing when it cannot be made.
std::optional<TrashFolder> HomeTrash(const std::string& dataHome);

// The user's Trash at the top folder `top` of a file system: "$top/.Trash/$uid" where an
// administrator has made "$top/.Trash" (a folder with the sticky bit, not a link), otherwise
// "$top/.Trash-$uid"; made when missing; nothing when neither is a folder of the user's own.
std::optional<TrashFolder> TopTrash(const std::string& top);

// Moves a file (a link itself, never what it points to) into `trash` under a name no other
// file there has, and records where it came from and when. False when it cannot; nothing
// has changed then.
bool MoveIntoTrash(const std::string& path, const TrashFolder& trash);

// Moves a file into the Trash of its file system: the home Trash under `dataHome` for a file
// on the home's file system, otherwise the Trash at the top of the file's own file system.
// False when no Trash can take it (the home Trash does not take files from other file
// systems, which would mean copying them; a file on the home's file system goes to no
// other Trash); nothing has changed then.
bool MoveToTrash(const std::string& path, const std::string& dataHome);

}  // namespace folidex
