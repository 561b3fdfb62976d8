#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace folidex::test {

// A folder of its own under the system's temporary folder, removed with everything in it
// (made writable again first) when the object goes.
class TempTree {
 public:
  TempTree();
  ~TempTree();
  TempTree(const TempTree&) = delete;
  TempTree& operator=(const TempTree&) = delete;

  const std::filesystem::path& Root() const { return root_; }
  std::string Path(std::string_view relative = {}) const;

  // Writes a file (making its folders) and returns its full path.
  std::string Write(std::string_view relative, std::string_view bytes) const;
  // The bytes of a file in the tree; empty when it cannot be read.
  std::string Read(std::string_view relative) const;
  std::string MakeFolder(std::string_view relative) const;

 private:
  std::filesystem::path root_;
};

// The bytes of a file; empty when it cannot be read.
std::string FileBytes(const std::filesystem::path& file);
// The permission bits of a file or folder (of a link itself); 0 when it has none.
unsigned ModeOf(const std::filesystem::path& path);
// The names in a folder, sorted.
std::vector<std::string> FolderEntries(const std::filesystem::path& folder);

// Runs a shell command; true when it exits with 0.
bool RunCommand(const std::string& command);

}  // namespace folidex::test
