#include "ui/app/FolderTree.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

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
  // The model reads folders in the background, so rows come and are sorted above a folder
  // after it was selected: the tree keeps a folder the program selected in sight until the
  // user scrolls, opens or closes a folder, or selects another.
  for (const auto changed : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
    connect(folders_, changed, this, &FolderTree::KeepInSight);
  connect(folders_, &QAbstractItemModel::layoutChanged, this, &FolderTree::KeepInSight);
  connect(folders_, &QFileSystemModel::directoryLoaded, this, &FolderTree::KeepInSight);
  connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, [this] { keptInSight_.clear(); });
  for (const auto opened : {&QTreeView::expanded, &QTreeView::collapsed})
    connect(this, opened, this, [this] { keptInSight_.clear(); });
}

void FolderTree::SelectDefaultFolder() { SelectFolder(QDir::homePath()); }

bool FolderTree::SelectFolder(const QString& path) {
  const QFileInfo folder(path);
  if (path.isEmpty() || !folder.isDir()) return false;
  const QModelIndex index = folders_->index(folder.absoluteFilePath());
  if (!index.isValid()) return false;
  for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent()) expand(parent);
  setCurrentIndex(index);
  keptInSight_ = SelectedFolder();
  KeepInSight();
  return true;
}

void FolderTree::KeepInSight() {
  if (!keptInSight_.isEmpty() && SelectedFolder() == keptInSight_) scrollTo(currentIndex(), PositionAtCenter);
}

void FolderTree::resizeEvent(QResizeEvent* event) {
  QTreeView::resizeEvent(event);
  KeepInSight();
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
