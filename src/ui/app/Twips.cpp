#include "ui/app/Twips.h"

#include <cmath>

namespace folidex {

int TwipsToPixels(int twips) { return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel)); }

int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

QRect ToPixels(const TwipRect& rect) {
  const int left = TwipsToPixels(rect.left);
  const int top = TwipsToPixels(rect.top);
  return QRect(left, top, TwipsToPixels(rect.Right()) - left, TwipsToPixels(rect.Bottom()) - top);
}

}  // namespace folidex
