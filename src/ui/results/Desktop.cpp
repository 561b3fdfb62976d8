#include "ui/results/Desktop.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QFileInfo>
#include <QPointer>
#include <QUrl>
#include <functional>

#include "ui/results/FilePropertiesDialog.h"

namespace folidex {
namespace {

// Asks the file manager to run `method` on the file, without waiting for its answer;
// `fallback` runs when no file manager takes the call.
void CallFileManager(const char* method, const QString& path, const std::function<void()>& fallback) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) {
    fallback();
    return;
  }
  QDBusMessage call = QDBusMessage::createMethodCall("org.freedesktop.FileManager1", "/org/freedesktop/FileManager1",
                                                     "org.freedesktop.FileManager1", method);
  call << QStringList{QUrl::fromLocalFile(path).toString()} << QString();
  auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call));
  QObject::connect(watcher, &QDBusPendingCallWatcher::finished, [fallback](QDBusPendingCallWatcher* answered) {
    if (answered->isError()) fallback();
    answered->deleteLater();
  });
}

}  // namespace

void FreedesktopDesktop::OpenFile(const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

void FreedesktopDesktop::ShowContainingFolder(const QString& path) {
  const QString folder = QFileInfo(path).absolutePath();
  CallFileManager("ShowItems", path, [folder] { QDesktopServices::openUrl(QUrl::fromLocalFile(folder)); });
}

void FreedesktopDesktop::ShowFileProperties(const QString& path, const PageCount& pages, QWidget* owner) {
  // The owner may be gone by the time the file manager has declined.
  CallFileManager("ShowItemProperties", path, [path, pages, owner = QPointer<QWidget>(owner)] {
    auto* window = new FilePropertiesDialog(path, pages, owner);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
  });
}

}  // namespace folidex
