#include "core/pdf/PageBoxes.h"

#include <algorithm>
#include <cmath>

namespace folidex::pdf {
namespace {

constexpr PageRectangle kLetter{0, 0, 612, 792};

// The rectangle of a box entry: an array of four numbers, in any order of its corners.
std::optional<PageRectangle> RectangleOf(const PdfObject& entry, PdfDocument& document) {
  PdfObject loaded;
  const PdfObject& box = document.Resolve(entry, loaded);
  if (!box.IsArray() || box.items.size() != 4 || !box.references.empty()) return std::nullopt;
  double values[4];
  for (int i = 0; i < 4; ++i) {
    const std::optional<double> value = box.items[i].Number();
    if (!value || !std::isfinite(*value)) return std::nullopt;
    values[i] = *value;
  }
  return PageRectangle{std::min(values[0], values[2]), std::min(values[1], values[3]), std::max(values[0], values[2]),
                       std::max(values[1], values[3])};
}

std::optional<double> NumberOf(const PdfObject& entry, PdfDocument& document) {
  PdfObject loaded;
  return document.Resolve(entry, loaded).Number();
}

}  // namespace

PageBoxes PageBoxes::Below(const PdfObject& node, PdfDocument& document) const {
  PageBoxes boxes = *this;
  if (const std::optional<PageRectangle> media = RectangleOf(node.Get("MediaBox"), document)) boxes.media = media;
  if (const std::optional<PageRectangle> crop = RectangleOf(node.Get("CropBox"), document)) boxes.crop = crop;
  // A rotation must be a multiple of 90 degrees; another one is no rotation.
  if (const std::optional<double> rotation = NumberOf(node.Get("Rotate"), document)) {
    const double turns = std::fmod(*rotation, 360);
    const double degrees = turns < 0 ? turns + 360 : turns;
    boxes.rotation = degrees == 90 || degrees == 180 || degrees == 270 ? static_cast<int>(degrees) : 0;
  }
  return boxes;
}

std::pair<double, double> PageBoxes::ShownSize(const PdfObject& page, PdfDocument& document) const {
  const PageRectangle mediaBox = media.value_or(kLetter);
  PageRectangle shown = mediaBox;
  if (crop) {
    const PageRectangle clipped{std::max(crop->left, mediaBox.left), std::max(crop->bottom, mediaBox.bottom),
                                std::min(crop->right, mediaBox.right), std::min(crop->top, mediaBox.top)};
    if (clipped.left < clipped.right && clipped.bottom < clipped.top) shown = clipped;
  }
  const std::optional<double> unit = NumberOf(page.Get("UserUnit"), document);
  const double scale = unit && *unit > 0 && std::isfinite(*unit) ? *unit : 1;
  const double width = (shown.right - shown.left) * scale, height = (shown.top - shown.bottom) * scale;
  if (rotation == 90 || rotation == 270) return {height, width};
  return {width, height};
}

}  // namespace folidex::pdf
