#pragma once

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QSplitter>
#include <string>

#include "core/search/FolderWalk.h"
#include "core/search/LiveCriteria.h"
#include "core/settings/AppSettings.h"
#include "ui/app/FolderTree.h"
#include "ui/app/MainLayout.h"
#include "ui/app/MainMenus.h"
#include "ui/app/SearchBar.h"
#include "ui/results/ResultGrid.h"
#include "ui/results/ResultModel.h"
#include "ui/results/StatusPanels.h"
#include "ui/search/AdvancedSearchOptions.h"
#include "ui/search/SearchRunner.h"
#include "ui/settings/PreferencesDialog.h"

namespace folidex {

// The main window: folder tree and address box, results grid, total label, the search
// panel, the status bar and the menus. Built hidden; the first time it becomes the
// active window it searches the folder the tree has selected.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // `settings` must outlive the window; `walkSettings` lets tests and benchmarks choose
  // the page counter. "Preferences..." stores the settings with `saveSettings`, and is
  // disabled without one.
  explicit MainWindow(AppSettings& settings, WalkSettings walkSettings = {}, SaveSettingsFunction saveSettings = {},
                      QWidget* parent = nullptr);
  ~MainWindow() override;

  // Applies the appearance and the column visibility of the settings again. A background
  // picture that cannot be loaded leaves the grid without one and is reported in `error`,
  // the text to show the user; the rest still applies.
  bool RefreshGrid(QString& error);

  // The smallest the layout rules let the window get, its frame not included.
  QSize minimumSizeHint() const override;

  // The search command: starts a search of the search folder, or asks the running one to
  // stop.
  void cmdSearch_Click();

  // Selects `folder` in the folder tree, which makes it the search folder; false when the
  // tree cannot show it.
  bool SelectSearchFolder(const QString& folder);
  // Selects `folder` and searches it, once a running search has stopped.
  void SearchFolder(const QString& folder);

 protected:
  bool event(QEvent* event) override;
  // Keeps text boxes from taking Ctrl+X as their cut: in this window it ends the program.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildAddressBar(QWidget* client);
  void ConnectControls();
  void ApplySettings();
  void ShowSearchDefaults();
  void PublishCriteria();
  void ShowResultTexts();
  void ftv_FolderSelected(const QString& path);
  void Form_FirstActivate();
  void cmdShowHideAdvanceSearch_Click();
  void mnuPreferences_Click();
  void ResizeToOpeningSize();
  ControlSizes FittedSizes() const;
  void ApplyLayout();

  AppSettings& settings_;
  SaveSettingsFunction saveSettings_;
  ResultModel model_;
  LiveCriteria criteria_;
  SearchRunner runner_;
  std::string searchFolder_;
  bool firstShowing_ = true;
  bool opened_ = false;
  bool searchWhenStopped_ = false;
  bool advancedOptionsShown_ = true;
  MainLayout layout_;

  QWidget* client_;
  QFrame* line1_;
  QFrame* line2_;
  QWidget* fmeAddressBar_;
  QLabel* lblAddress_;
  QLineEdit* txtAddress_;
  QSplitter* spSplitter_;
  FolderTree* ftv_;
  ResultGrid* vsFiles_;
  QLabel* lblPageCount_;
  AdvancedSearchOptions* fmeAdvancedSearchOptions_;
  SearchBar* fmeSearch_;
  StatusPanels* sbGeneral_;
  MainMenus menus_;
};

}  // namespace folidex
