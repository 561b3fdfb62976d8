#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "Named.h"
#include "ui/app/MainWindow.h"
#include "ui/results/ResultGrid.h"
#include "ui/results/StatusPanels.h"

namespace folidex::test {

// The main window's controls as a user sees them, found by their names.
struct MainWindowProbe {
  explicit MainWindowProbe(MainWindow& window)
      : window(window),
        searchButton(Find<QPushButton>("cmdSearch")),
        grid(Find<ResultGrid>("vsFiles")),
        statusBar(Find<StatusPanels>("sbGeneral")),
        totalLabel(Find<QLabel>("lblPageCount")) {}

  template <typename Control = QWidget>
  Control* Find(const char* name) const {
    return Named<Control>(window, name);
  }

  ResultModel& Model() const { return static_cast<ResultModel&>(*grid->model()); }
  int Rows() const { return Model().rowCount(); }
  QString Cell(int row, int column) const { return Model().index(row, column).data().toString(); }
  QString Message() const { return statusBar->Text(StatusPanel::Message); }
  QString Address() const { return Find<QLineEdit>("txtAddress")->text(); }
  bool Searching() const { return searchButton->text() == "&Cancel"; }
  bool WaitForSearchEnd(int timeoutMilliseconds = 30000) const {
    return QTest::qWaitFor([this] { return searchButton->text() == "&Search"; }, timeoutMilliseconds);
  }
  // Selects `folder` in the tree and clicks "Search"; true once that search has ended.
  bool Search(const std::string& folder) const { return StartSearch(folder) && WaitForSearchEnd(); }
  bool StartSearch(const std::string& folder) const {
    if (!window.SelectSearchFolder(QString::fromStdString(folder))) return false;
    searchButton->click();
    return Searching();
  }

  MainWindow& window;
  QPushButton* searchButton;
  ResultGrid* grid;
  StatusPanels* statusBar;
  QLabel* totalLabel;
};

// A main window with its own settings, not shown, that counts pages as `walkSettings` say.
struct TestWindow {
  explicit TestWindow(WalkSettings walkSettings = {}, std::string startupFolder = {})
      : settings(WithStartupFolder(std::move(startupFolder))),
        window(settings, std::move(walkSettings)),
        probe(window) {}

  static AppSettings WithStartupFolder(std::string folder) {
    AppSettings settings;
    settings.StartupFolder = std::move(folder);
    return settings;
  }

  AppSettings settings;
  MainWindow window;
  MainWindowProbe probe;
};

// A main window shown and active on a start-up folder, its first search ended.
struct ShownMainWindow : TestWindow {
  explicit ShownMainWindow(const std::string& startupFolder, WalkSettings walkSettings = {})
      : TestWindow(std::move(walkSettings), startupFolder) {
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window) || !probe.WaitForSearchEnd()) qFatal("the main window did not open");
  }
};

}  // namespace folidex::test
