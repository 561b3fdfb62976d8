#pragma once

#include <QFileIconProvider>
#include <QIcon>
#include <optional>
#include <string>

namespace folidex {

// The small file-type icons of the found files, from the icon theme. Files of one folder
// come one after another, so the icon is looked up again only when the extension differs
// from the previous file's.
class FileIcons {
 public:
  // Loads the file-type database now, so that the first search does not wait for it.
  FileIcons();

  // A new folder's files begin: the next file is looked up whatever its extension.
  void NewFolder() { lastExtension_.reset(); }
  QIcon For(const std::string& fullPath, const std::string& extension);

 private:
  QFileIconProvider provider_;
  std::optional<std::string> lastExtension_;
  QIcon icon_;
};

}  // namespace folidex
