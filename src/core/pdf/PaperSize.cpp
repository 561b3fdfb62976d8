#include "core/pdf/PaperSize.h"

#include <algorithm>
#include <cmath>

namespace folidex {
namespace {

struct NamedSize {
  PaperSize::Name name;
  const char* text;
  double shortSide;  // millimetres
  double longSide;
};

constexpr NamedSize kNamedSizes[] = {
    {PaperSize::Name::A0, "A0", 841, 1189},
    {PaperSize::Name::A1, "A1", 594, 841},
    {PaperSize::Name::A2, "A2", 420, 594},
    {PaperSize::Name::A3, "A3", 297, 420},
    {PaperSize::Name::A4, "A4", 210, 297},
    {PaperSize::Name::A5, "A5", 148, 210},
    {PaperSize::Name::A6, "A6", 105, 148},
    {PaperSize::Name::B4, "B4", 250, 353},
    {PaperSize::Name::B5, "B5", 176, 250},
    {PaperSize::Name::Letter, "Letter", 215.9, 279.4},
    {PaperSize::Name::Legal, "Legal", 215.9, 355.6},
    {PaperSize::Name::Tabloid, "Tabloid/Ledger", 279.4, 431.8},
    {PaperSize::Name::Executive, "Executive", 184.15, 266.7},
};

constexpr double kMillimetresPerPoint = 25.4 / 72;
constexpr double kTolerance = 2 + 1e-9;
// Sides beyond this (100 km) are taken as this: a page is never that large, and the
// millimetres stay within a long.
constexpr double kLongestSide = 1e8;

long WholeMillimetres(double millimetres) {
  return std::lround(std::clamp(std::isnan(millimetres) ? 0.0 : millimetres, 0.0, kLongestSide));
}

}  // namespace

PaperSize PaperSizeOf(double width, double height) {
  const double widthMm = std::abs(width) * kMillimetresPerPoint, heightMm = std::abs(height) * kMillimetresPerPoint;
  const double shortSide = std::min(widthMm, heightMm), longSide = std::max(widthMm, heightMm);
  for (const NamedSize& named : kNamedSizes) {
    if (std::abs(shortSide - named.shortSide) <= kTolerance && std::abs(longSide - named.longSide) <= kTolerance) {
      return {named.name, 0, 0};
    }
  }
  return {PaperSize::Name::Custom, WholeMillimetres(widthMm), WholeMillimetres(heightMm)};
}

std::string PaperSizeText(const PaperSize& size) {
  if (size.name == PaperSize::Name::Unknown) return "Unknown";
  for (const NamedSize& named : kNamedSizes) {
    if (named.name == size.name) return named.text;
  }
  return std::to_string(size.widthMm) + "\u00D7" + std::to_string(size.heightMm) + " mm";
}

void AddPaperSizes(PaperSizeTally& tally, const PaperSizeTally& more) {
  for (const auto& [size, pages] : more) tally[size] += pages;
}

}  // namespace folidex
