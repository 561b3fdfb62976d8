#pragma once

#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>

#include "core/results/ResultTable.h"
#include "core/results/SelectionSummary.h"
#include "ui/results/ElidedLabel.h"

namespace folidex {

// The status bar with its panels, left to right: "Message" (the search's progress, elided
// in the middle when too long, whole in its tooltip), "Files" (the count of files found;
// its tooltip tells today's date), "Selection" (the files and pages of a selection of two
// or more files) and "Clock"; at its right end a busy indicator while a search runs.
class StatusPanels : public QStatusBar {
  Q_OBJECT

 public:
  explicit StatusPanels(QWidget* parent = nullptr);

  void SetText(StatusPanel panel, const QString& text);
  QString Text(StatusPanel panel) const;

  // Shows the busy indicator while a search runs, and hides it when it has ended.
  void ShowSearching(bool searching) { busy_->setVisible(searching); }
  // Shows what the selected files hold while two or more are selected.
  void ShowSelection(const SelectionSummary& summary);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowTime();

  ElidedLabel* message_;
  QLabel* files_;
  QLabel* clock_;
  QLabel* selection_;
  QProgressBar* busy_;
  QTimer clockTimer_;
};

}  // namespace folidex
