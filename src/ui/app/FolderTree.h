#pragma once

#include <QFileSystemModel>
#include <QTreeView>

namespace folidex {

// The tree of the file system's folders (folders only). A new selection is announced with
// the folder's path; a double-click or Enter on a folder triggers it. A folder selected by
// the program is scrolled into sight.
class FolderTree : public QTreeView {
  Q_OBJECT

 public:
  explicit FolderTree(QWidget* parent = nullptr);

  // Selects `path`; false, and the selection stays, when it is not an existing folder.
  bool SelectFolder(const QString& path);
  // Selects the tree's own choice, the user's home folder.
  void SelectDefaultFolder();
  // The selected folder's path, as the file system model writes it (no trailing "/").
  QString SelectedFolder() const;

 signals:
  void FolderSelected(const QString& path);
  void Triggered();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void KeepInSight();

  QFileSystemModel* folders_;
  QString keptInSight_;  // the folder the program selected, until the user moves away
};

}  // namespace folidex
