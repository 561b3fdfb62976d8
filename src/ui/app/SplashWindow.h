#pragma once

#include <QDialog>
#include <QTimer>

namespace folidex {

// The window shown while the program starts: product name and version, a picture, the
// legal notice and the maker's addresses. It closes itself once its timer fires.
class SplashWindow : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kShowMilliseconds = 3000;

  explicit SplashWindow(int showMilliseconds = kShowMilliseconds, QWidget* parent = nullptr);

 protected:
  // The timer runs from the moment the window opens.
  void showEvent(QShowEvent* event) override;

 private:
  QTimer timer1_;
};

}  // namespace folidex
