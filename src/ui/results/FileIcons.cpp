#include "ui/results/FileIcons.h"

#include <QFileInfo>
#include <QMimeDatabase>

namespace folidex {
namespace {

// The text after the last "." of a file name; empty without a ".".
std::string GetExtension(const std::string& name) {
  const std::size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string{} : name.substr(dot + 1);
}

}  // namespace

FileIcons::FileIcons() { QMimeDatabase().mimeTypeForName("application/pdf"); }

QIcon FileIcons::For(const FileFacts& file) {
  std::string extension = GetExtension(file.name);
  if (lastExtension_ != extension) {
    icon_ = provider_.icon(QFileInfo(QString::fromStdString(file.fullPath)));
    lastExtension_ = std::move(extension);
  }
  return icon_;
}

}  // namespace folidex
