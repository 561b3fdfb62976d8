#pragma once

#include <QDialog>
#include <QString>

#include "core/pdf/PageCount.h"

namespace folidex {

// Our own properties window of a listed file, for desktops whose file manager shows none:
// name, folder, size, the three times, permissions, owner, pages (and for a file that
// could not be counted, why) and the pages by paper size. It reads the file once, when it
// opens.
class FilePropertiesDialog : public QDialog {
  Q_OBJECT

 public:
  FilePropertiesDialog(const QString& path, const PageCount& pages, QWidget* parent = nullptr);
};

}  // namespace folidex
