#include "ui/about/LinkLabel.h"

#include <QMouseEvent>

namespace folidex {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  QPalette colors = palette();
  colors.setColor(QPalette::WindowText, QColor(0, 0, 128));
  setPalette(colors);
  setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit Clicked();
}

}  // namespace folidex
