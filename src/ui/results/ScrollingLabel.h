#pragma once

#include <QLabel>
#include <QScrollArea>
#include <QString>

namespace folidex {

// A text of one line per item, which may have hundreds of lines: it takes as much height as
// its lines need up to `visibleLines` of them, and scrolls beyond, so that a window that
// shows it never grows taller than the screen. The text is never taken for markup.
class ScrollingLabel : public QScrollArea {
  Q_OBJECT

 public:
  ScrollingLabel(const QString& text, int visibleLines, QWidget* parent = nullptr);

  void SetText(const QString& text);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 private:
  QLabel* label_;
  int visibleLines_;
};

}  // namespace folidex
