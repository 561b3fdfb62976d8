#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/search/FileFacts.h"

namespace folidex {

// Identifies a folder on disk whatever path leads to it, so that links to folders are
// followed at most once.
struct FolderIdentity {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  auto operator<=>(const FolderIdentity&) const = default;
};

struct Subfolder {
  std::string path;
  FolderIdentity identity;
};

// One folder's files and subfolders, each sorted by name without regard to case, as a
// desktop file manager shows them. Everything that is not a folder counts as a file.
struct FolderListing {
  std::vector<FileFacts> files;
  std::vector<Subfolder> subfolders;
};

// Lists a folder, whatever the length of its path; nothing when it cannot be opened, read
// or searched, with the system's reason in `error`.
std::optional<FolderListing> ListFolder(const std::string& folder, std::string& error);

// What the walk would know of the file at `path`; nothing when there is none or it is a
// folder, with the system's reason in `error`.
std::optional<FileFacts> ReadFileFacts(const std::string& path, std::string& error);

// The identity of a folder, nothing when it is not a readable folder.
std::optional<FolderIdentity> IdentifyFolder(const std::string& folder);

// The folder as a Location cell shows it: no trailing separator but for the root.
std::string LocationText(const std::string& folder);

// Joins a folder and a name with one separator.
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace folidex
