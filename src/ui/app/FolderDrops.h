#pragma once

#include <QMimeData>
#include <QObject>
#include <QString>
#include <QWidget>
#include <functional>

namespace folidex {

// Lets the user drop a folder onto a window, or PDF files for the folder that holds them,
// to search it; the window's own controls that take no drop pass it on to the window.
// Anything else is refused, so the drag shows that it cannot be dropped there. The drop
// is taken as a copy: the file manager never removes what was dragged.
class FolderDrops : public QObject {
  Q_OBJECT

 public:
  // Calls `search` with the dropped folder once the drop has been answered.
  FolderDrops(QWidget& window, std::function<void(const QString& folder)> search);

  // The folder that dropping `data` searches: one local folder, or local PDF files that
  // all lie in one folder. Empty when the drop is refused.
  static QString FolderToSearch(const QMimeData& data);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void(const QString& folder)> search_;
};

}  // namespace folidex
