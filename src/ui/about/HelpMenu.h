#pragma once

#include <QObject>
#include <QPointer>

#include "ui/about/AboutActions.h"
#include "ui/about/AboutBox.h"
#include "ui/app/MainMenus.h"

namespace folidex {

// The Help menu's work: the web site, the help document beside the executable, and the
// about box, of which at most one is open at a time.
class HelpMenu : public QObject {
  Q_OBJECT

 public:
  // `window` is the main window: the about box stays beside it and closes with it.
  HelpMenu(const MainMenus& menus, QWidget& window, QString executableFolder,
           AboutActions actions = AboutActions::ForDesktop());

  void mnuSupport_Click();
  void mnuHelp1_Click();
  // Shows the about box, or brings the open one to the front.
  void mnuAbout_Click();

 private:
  QWidget& window_;
  QString executableFolder_;
  AboutActions actions_;
  QPointer<AboutBox> aboutBox_;
};

}  // namespace folidex
