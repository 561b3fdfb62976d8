#include "ui/settings/ColorSquare.h"

#include <QPainter>

#include "ui/results/GridAppearance.h"

namespace folidex {

ColorSquare::ColorSquare(QWidget* parent) : QFrame(parent) { setFrameShape(QFrame::Box); }

void ColorSquare::SetColor(std::int32_t color) {
  color_ = color;
  update();
}

QColor ColorSquare::Shown() const { return ColorFromSetting(color_, palette()); }

void ColorSquare::paintEvent(QPaintEvent* event) {
  QPainter(this).fillRect(rect(), Shown());
  QFrame::paintEvent(event);
}

}  // namespace folidex
