#include "ui/results/FileIcons.h"

#include <QFileInfo>
#include <QMimeDatabase>

namespace folidex {

FileIcons::FileIcons() { QMimeDatabase().mimeTypeForName("application/pdf"); }

QIcon FileIcons::For(const std::string& fullPath, const std::string& extension) {
  if (lastExtension_ != extension) {
    icon_ = provider_.icon(QFileInfo(QString::fromStdString(fullPath)));
    lastExtension_ = extension;
  }
  return icon_;
}

}  // namespace folidex
