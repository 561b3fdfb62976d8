#include "ui/about/HelpMenu.h"

#include "ui/about/HelpTargets.h"

namespace folidex {

HelpMenu::HelpMenu(const MainMenus& menus, QWidget& window, QString executableFolder, AboutActions actions)
    : QObject(&window), window_(window), executableFolder_(std::move(executableFolder)), actions_(std::move(actions)) {
  connect(menus.helpWebsite, &QAction::triggered, this, &HelpMenu::mnuSupport_Click);
  connect(menus.helpContents, &QAction::triggered, this, &HelpMenu::mnuHelp1_Click);
  connect(menus.helpAbout, &QAction::triggered, this, &HelpMenu::mnuAbout_Click);
}

void HelpMenu::mnuSupport_Click() { actions_.open(WebSiteTarget()); }

void HelpMenu::mnuHelp1_Click() { actions_.open(HelpDocumentTarget(executableFolder_)); }

void HelpMenu::mnuAbout_Click() {
  if (!aboutBox_) {
    aboutBox_ = new AboutBox(actions_, &window_);
    aboutBox_->show();
  }
  aboutBox_->raise();
  aboutBox_->activateWindow();
}

}  // namespace folidex
