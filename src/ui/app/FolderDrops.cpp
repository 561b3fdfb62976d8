#include "ui/app/FolderDrops.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QTimer>
#include <QUrl>

#include "core/search/WildcardMatch.h"

namespace folidex {
namespace {

// The folder of one dropped item: a folder itself, the folder of a PDF file; empty otherwise.
QString FolderOf(const QUrl& url) {
  if (!url.isLocalFile()) return {};
  const QFileInfo item(url.toLocalFile());
  if (item.isDir()) return item.absoluteFilePath();
  if (item.isFile() && MatchesPattern(item.fileName().toStdString(), "*.pdf")) return item.absolutePath();
  return {};
}

// Answers a drag or a drop: taken as a copy when it leads to a folder, refused otherwise.
QString Answer(QDropEvent& event) {
  const QString folder = event.mimeData() != nullptr && (event.possibleActions() & Qt::CopyAction)
                             ? FolderDrops::FolderToSearch(*event.mimeData())
                             : QString();
  if (folder.isEmpty()) {
    event.ignore();
  } else {
    event.setDropAction(Qt::CopyAction);
    event.accept();
  }
  return folder;
}

}  // namespace

FolderDrops::FolderDrops(QWidget& window, std::function<void(const QString& folder)> search)
    : QObject(&window), search_(std::move(search)) {
  window.setAcceptDrops(true);
  window.installEventFilter(this);
}

QString FolderDrops::FolderToSearch(const QMimeData& data) {
  QString folder;
  for (const QUrl& url : data.urls()) {
    const QString itemFolder = FolderOf(url);
    if (itemFolder.isEmpty() || (!folder.isEmpty() && itemFolder != folder)) return {};
    folder = itemFolder;
  }
  return folder;
}

bool FolderDrops::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
      Answer(*static_cast<QDropEvent*>(event));
      return true;
    case QEvent::Drop:
      // The search starts after the drop has been answered, so the file manager that
      // dragged is not kept waiting.
      if (const QString folder = Answer(*static_cast<QDropEvent*>(event)); !folder.isEmpty())
        QTimer::singleShot(0, this, [this, folder] { search_(folder); });
      return true;
    default:
      return QObject::eventFilter(watched, event);
  }
}

}  // namespace folidex
