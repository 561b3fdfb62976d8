#include "ui/results/SortGlyph.h"

namespace folidex {

QImage SortGlyph(bool ascending) {
  constexpr int kWidth = 11;
  constexpr int kHeight = 4;
  QImage glyph(kWidth, kHeight, QImage::Format_RGB32);
  glyph.fill(QColor(192, 192, 255));
  for (int y = 0; y < kHeight; ++y) {
    const int fromPoint = ascending ? y : kHeight - 1 - y;  // rows counted from the point
    const int rowWidth = 1 + 2 * fromPoint;
    const int left = (kWidth - rowWidth) / 2;
    for (int x = left; x < left + rowWidth; ++x) glyph.setPixelColor(x, y, QColor(0, 0, 255));
  }
  return glyph;
}

}  // namespace folidex
