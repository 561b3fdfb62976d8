#include "ui/results/GridAppearance.h"

#include "core/settings/SystemColor.h"

namespace folidex {
namespace {

QPalette::ColorRole RoleOfSystemColor(std::uint8_t number) {
  switch (number) {
    case 5:
      return QPalette::Base;
    case 13:
      return QPalette::Highlight;
    case 14:
      return QPalette::HighlightedText;
    case 15:
      return QPalette::Button;
    default:
      return QPalette::Text;
  }
}

}  // namespace

QColor ColorFromSetting(std::int32_t color, const QPalette& palette) {
  if (IsSystemColor(color)) return palette.color(QPalette::Active, RoleOfSystemColor(SystemColorNumber(color)));
  const RgbParts rgb = SplitRgbColor(color);
  return QColor(rgb.red, rgb.green, rgb.blue);
}

GridAppearance AppearanceFromSettings(const AppSettings& settings, const QPalette& palette) {
  return {
      ColorFromSetting(settings.ForeColor, palette), ColorFromSetting(settings.ForeColorSel, palette),
      ColorFromSetting(settings.BackColor, palette), ColorFromSetting(settings.BackColorSel, palette),
      ColorFromSetting(settings.GridColor, palette), GridLinesForCode(settings.ShowGrid == 0 ? 0 : settings.GridStyle)};
}

}  // namespace folidex
