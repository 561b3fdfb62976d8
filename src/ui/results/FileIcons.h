#pragma once

#include <QFileIconProvider>
#include <QIcon>
#include <optional>
#include <string>

#include "core/search/FileFacts.h"

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
  QIcon For(const FileFacts& file);

 private:
  QFileIconProvider provider_;
  std::optional<std::string> lastExtension_;
  QIcon icon_;
};

}  // namespace folidex
