#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>
#include <functional>

namespace folidex {

// What the Help menu and the about box ask of the desktop, replaceable so that tests
// can see what would have been opened, started or said.
struct AboutActions {
  // Opens a document, a web address or a mail address with the desktop's application for
  // it. A target the desktop cannot open is not reported.
  std::function<void(const QUrl& target)> open;
  // Finds and starts the system-information program; false when none could be started.
  std::function<bool()> startSysInfo;
  // A message box over `parent`: title "Folidex", one OK button, no icon.
  std::function<void(QWidget* parent, const QString& text)> showPlainMessage;

  static AboutActions ForDesktop();
};

}  // namespace folidex
