#pragma once

#include <QLabel>
#include <QScrollArea>
#include <QString>

namespace folidex {

// A label whose text has one line per item, and may have hundreds of lines: it takes as much
// height as its lines need up to `visibleLines` of them, and scrolls beyond, so that a window
// that shows it never grows taller than the screen.
class ScrollingLabel : public QScrollArea {
  Q_OBJECT

 public:
  ScrollingLabel(QLabel* label, int visibleLines, QWidget* parent = nullptr);

  void SetText(const QString& text);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 private:
  QLabel* label_;
  int visibleLines_;
};

}  // namespace folidex
