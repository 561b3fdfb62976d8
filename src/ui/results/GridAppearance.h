#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>

#include "core/settings/AppSettings.h"
#include "ui/results/GridLines.h"

namespace folidex {

// The colours and lines the results grid draws with.
struct GridAppearance {
  QColor fore;
  QColor foreSelected;
  QColor back;
  QColor backSelected;
  QColor line;
  GridLines lines;
};

// A stored colour: an RGB value 0x00BBGGRR, or 0x800000nn for system colour nn, which
// is taken from the palette (5 Base, 8 Text, 13 Highlight, 14 HighlightedText, 15 Button;
// other numbers give the text colour).
QColor ColorFromSetting(std::int32_t color, const QPalette& palette);

// The grid lines are those of GridStyle while ShowGrid is not 0, none otherwise.
GridAppearance AppearanceFromSettings(const AppSettings& settings, const QPalette& palette);

}  // namespace folidex
