#pragma once

#include <optional>
#include <utility>

#include "core/pdf/PdfDocument.h"
#include "core/pdf/PdfObject.h"

namespace folidex::pdf {

// A rectangle of a page's coordinates, its corners in order.
struct PageRectangle {
  double left = 0, bottom = 0, right = 0, top = 0;
};

// What a page's size depends on that it may inherit from the page-tree nodes above it:
// its media box, its crop box and its rotation.
struct PageBoxes {
  std::optional<PageRectangle> media;
  std::optional<PageRectangle> crop;
  int rotation = 0;  // 0, 90, 180 or 270 degrees clockwise

  // The boxes of `node`, a page or a page-tree node read with at least its box entries,
  // taking what it lacks (or holds in a form no peer reads) from these.
  PageBoxes Below(const PdfObject& node, PdfDocument& document) const;

  // The width and height in points of page `page` with these boxes as it is shown: its crop
  // box clipped to its media box (a crop box outside it is ignored), turned by its
  // rotation and scaled by its /UserUnit. A page without a media box is US Letter, as
  // poppler and MuPDF take it.
  std::pair<double, double> ShownSize(const PdfObject& page, PdfDocument& document) const;
};

}  // namespace folidex::pdf
