#pragma once

#include <QLabel>
#include <QStatusBar>
#include <QTimer>

#include "core/results/ResultTable.h"

namespace folidex {

// The status bar with its three panels, left to right: "Message" (the search's progress),
// "Files" (the count of files found; its tooltip tells today's date) and "Clock".
class StatusPanels : public QStatusBar {
  Q_OBJECT

 public:
  explicit StatusPanels(QWidget* parent = nullptr);

  void SetText(StatusPanel panel, const QString& text) { Panel(panel)->setText(text); }
  QString Text(StatusPanel panel) const { return Panel(panel)->text(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowTime();
  QLabel* Panel(StatusPanel panel) const { return panel == StatusPanel::Message ? message_ : files_; }

  QLabel* message_;
  QLabel* files_;
  QLabel* clock_;
  QTimer clockTimer_;
};

}  // namespace folidex
