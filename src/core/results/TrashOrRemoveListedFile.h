#pragma once

#include <string>

namespace folidex {

// Deletes one listed file as the desktop's file managers do: into the Trash of its file
// system (see MoveToTrash; `dataHome` is the user's XDG data folder, which holds the home
// Trash), from where it can be put back, and for good where no Trash can take it. Refuses
// what RemoveListedFile refuses: a folder and a write-protected file.
bool TrashOrRemoveListedFile(const std::string& path, const std::string& dataHome);

}  // namespace folidex
