#include "ui/about/AboutActions.h"

#include <QDesktopServices>
#include <QMessageBox>

#include "ui/about/SystemInfoLauncher.h"

namespace folidex {

AboutActions AboutActions::ForDesktop() {
  return AboutActions{
      .open = [](const QUrl& target) { QDesktopServices::openUrl(target); },
      .startSysInfo = StartSystemInformation,
      .showPlainMessage =
          [](QWidget* parent, const QString& text) {
            QMessageBox box(QMessageBox::NoIcon, "Folidex", text, QMessageBox::Ok, parent);
            box.exec();
          },
  };
}

}  // namespace folidex
