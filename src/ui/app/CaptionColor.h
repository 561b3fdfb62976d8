#pragma once

#include <QWidget>

namespace folidex {

// Captions of labels, frames and check boxes are drawn in dark blue (RGB 0, 0, 192).
inline void PaintCaptionDarkBlue(QWidget* widget) {
  QPalette colors = widget->palette();
  colors.setColor(QPalette::WindowText, QColor(0, 0, 192));
  widget->setPalette(colors);
}

}  // namespace folidex
