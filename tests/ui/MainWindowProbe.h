#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "ui/app/MainWindow.h"
#include "ui/results/ResultGrid.h"
#include "ui/results/StatusPanels.h"

namespace folidex::test {

// The main window's controls as a user sees them, found by their names.
struct MainWindowProbe {
  explicit MainWindowProbe(MainWindow& window)
      : window(window),
        searchButton(window.findChild<QPushButton*>("cmdSearch")),
        grid(window.findChild<ResultGrid*>("vsFiles")),
        statusBar(window.findChild<StatusPanels*>("sbGeneral")),
        totalLabel(window.findChild<QLabel*>("lblPageCount")) {}

  ResultModel& Model() const { return static_cast<ResultModel&>(*grid->model()); }
  int Rows() const { return Model().rowCount(); }
  bool WaitForSearchEnd(int timeoutMilliseconds = 30000) const {
    return QTest::qWaitFor([this] { return searchButton->text() == "&Search"; }, timeoutMilliseconds);
  }

  MainWindow& window;
  QPushButton* searchButton;
  ResultGrid* grid;
  StatusPanels* statusBar;
  QLabel* totalLabel;
};

}  // namespace folidex::test
