#include "ui/app/MainMenus.h"

namespace folidex {
namespace {

QAction* AddItem(QMenu& menu, const char* name, const QString& caption, bool enabled = true) {
  QAction* item = menu.addAction(caption);
  item->setObjectName(name);
  item->setEnabled(enabled);
  return item;
}

void AddHiddenItem(QMenu& menu, const char* name, const QString& caption) {
  AddItem(menu, name, caption)->setVisible(false);
}

// A context-menu item that does what `target` does and is enabled when it is.
void AddMirror(QMenu& menu, const char* name, const QString& caption, QAction* target) {
  QAction* item = AddItem(menu, name, caption, target->isEnabled());
  QObject::connect(item, &QAction::triggered, target, &QAction::trigger);
  QObject::connect(target, &QAction::changed, item, [item, target] { item->setEnabled(target->isEnabled()); });
}

}  // namespace

MainMenus BuildMainMenus(QMenuBar& bar, QWidget& window) {
  MainMenus menus{};
  QMenu* file = bar.addMenu("File");
  menus.fileOpen = AddItem(*file, "mnuFileOpen", "Open");
  file->addSeparator();
  menus.fileDelete = AddItem(*file, "mnuFileDelete", "Delete");
  AddHiddenItem(*file, "mnuFileRename", "Rename");
  menus.fileProperties = AddItem(*file, "mnuFileProperties", "Properties...");
  menus.fileShowContainingFolder = AddItem(*file, "mnuFileShowContainingFolder", "Show Containing Folder");
  file->addSeparator();
  menus.fileExit = AddItem(*file, "mnuFileExit", "E&xit");
  menus.fileExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));

  QMenu* edit = bar.addMenu("Edit");
  AddHiddenItem(*edit, "mnuEditColumnVisibility", "Column Visibility");
  edit->addSeparator()->setVisible(false);
  menus.editSelectAll = AddItem(*edit, "mnuEditSelectAll", "Select All");
  menus.editInvertSelection = AddItem(*edit, "mnuEditInvertSelection", "Invert Selection");

  QMenu* tools = bar.addMenu("Tools");
  AddHiddenItem(*tools, "mnuToolsImport", "Import");
  menus.toolsExport = AddItem(*tools, "mnuToolsExport", "Export");
  tools->addSeparator();
  menus.toolsPreferences = AddItem(*tools, "mnuPreferences", "Preferences...", false);

  QMenu* help = bar.addMenu("&Help");
  menus.helpWebsite = AddItem(*help, "mnuSupport", "Folidex Website");
  AddHiddenItem(*help, "mnuBug", "Report Quirewise bug");
  menus.helpContents = AddItem(*help, "mnuHelp1", "Folidex Help");
  menus.helpContents->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
  help->addSeparator();
  menus.helpAbout = AddItem(*help, "mnuAbout", "&About...");

  menus.popup = new QMenu(&window);
  menus.popup->setObjectName("mnuPopup");
  AddMirror(*menus.popup, "mnuPopupOpen", "Open", menus.fileOpen);
  menus.popup->addSeparator();
  AddMirror(*menus.popup, "mnuPopupDelete", "Delete", menus.fileDelete);
  AddHiddenItem(*menus.popup, "mnuPopupRename", "Rename");
  AddMirror(*menus.popup, "mnuPopupProperties", "Properties", menus.fileProperties);
  AddMirror(*menus.popup, "mnuPopupShowContainingFolder", "Show Containing Folder", menus.fileShowContainingFolder);
  menus.popup->addSeparator();
  AddMirror(*menus.popup, "mnuPopupSelectAll", "Select All", menus.editSelectAll);
  AddMirror(*menus.popup, "mnuPopupInvertSelection", "Invert Selection", menus.editInvertSelection);
  return menus;
}

}  // namespace folidex
