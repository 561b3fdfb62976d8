#pragma once

#include <QRect>

namespace folidex {

// Window measures are given in twips: 15 twips to a pixel at 96 dots per inch.
constexpr int kTwipsPerPixel = 15;

struct TwipRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
};

int TwipsToPixels(int twips);
int PixelsToTwips(int pixels);
// Converts the edges, not the width, so that edges that meet in twips meet in pixels.
QRect ToPixels(const TwipRect& rect);

}  // namespace folidex
