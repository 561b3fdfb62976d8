#pragma once

#include <QLabel>
#include <QStatusBar>
#include <QTimer>

namespace folidex {

// The status bar with its three panels, left to right: "Message" (the search's progress),
// "Files" (the count of files found; its tooltip tells today's date) and "Clock".
class StatusPanels : public QStatusBar {
  Q_OBJECT

 public:
  explicit StatusPanels(QWidget* parent = nullptr);

  void SetTexts(const QString& message, const QString& files);
  QString MessageText() const { return message_->text(); }
  QString FilesText() const { return files_->text(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowTime();

  QLabel* message_;
  QLabel* files_;
  QLabel* clock_;
  QTimer clockTimer_;
};

}  // namespace folidex
