#include "ui/app/FolderTree.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>

namespace folidex {

FolderTree::FolderTree(QWidget* parent) : QTreeView(parent), folders_(new QFileSystemModel(this)) {
  setObjectName("ftv");
  folders_->setFilter(QDir::Dirs | QDir::Drives | QDir::NoDotAndDotDot);
  folders_->setRootPath(QDir::rootPath());
  setModel(folders_);
  for (int column = 1; column < folders_->columnCount(); ++column) hideColumn(column);
  header()->hide();
  setExpandsOnDoubleClick(false);
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
    if (current.isValid()) emit FolderSelected(folders_->filePath(current));
  });
  connect(this, &QTreeView::doubleClicked, this, &FolderTree::Triggered);
}

void FolderTree::SelectDefaultFolder() { SelectFolder(QDir::homePath()); }

bool FolderTree::SelectFolder(const QString& path) {
  const QFileInfo folder(path);
  if (path.isEmpty() || !folder.isDir()) return false;
  const QModelIndex index = folders_->index(folder.absoluteFilePath());
  if (!index.isValid()) return false;
  for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent()) expand(parent);
  setCurrentIndex(index);
  scrollTo(index);
  return true;
}

QString FolderTree::SelectedFolder() const { return folders_->filePath(currentIndex()); }

void FolderTree::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (currentIndex().isValid()) emit Triggered();
    return;
  }
  QTreeView::keyPressEvent(event);
}

}  // namespace folidex
