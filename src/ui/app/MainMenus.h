#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace folidex {

// The main window's menu bar and the results grid's context menu. Items whose work is
// not built yet are disabled; hidden items exist but are never shown. Each context-menu
// item triggers the menu-bar item it stands for.
struct MainMenus {
  QAction* fileOpen;
  QAction* fileDelete;
  QAction* fileProperties;
  QAction* fileShowContainingFolder;
  QAction* fileExit;
  QAction* editSelectAll;
  QAction* editInvertSelection;
  QAction* toolsExport;
  QAction* toolsPreferences;
  QAction* helpWebsite;
  QAction* helpContents;
  QAction* helpAbout;
  QMenu* popup;
};

MainMenus BuildMainMenus(QMenuBar& bar, QWidget& window);

}  // namespace folidex
