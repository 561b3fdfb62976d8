#pragma once

#include <QDialog>
#include <QString>

namespace folidex {

// Our own properties window of a listed file, for desktops whose file manager shows none:
// name, folder, size, the three times, permissions, owner, pages and the pages by paper
// size. It reads the file once, when it opens.
class FilePropertiesDialog : public QDialog {
  Q_OBJECT

 public:
  FilePropertiesDialog(const QString& path, const QString& pages, QWidget* parent = nullptr);
};

}  // namespace folidex
