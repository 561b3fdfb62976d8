#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <utility>

#include "core/pdf/PageBoxes.h"
#include "core/pdf/PdfDocument.h"
#include "core/pdf/PdfObject.h"

namespace folidex::pdf {

// Counts the page leaves of a page tree: a kid with a /Kids array is a further node, any
// other dictionary a page. Kids that lead back to a node on the current path are skipped.
// A tree deeper than a fixed bound, one that shares its nodes so much that the walk would
// visit far more objects than the file holds, or one whose nodes on one path list more
// kids than the reader holds, throws PdfReadFailure::OverLimit: its count is not known.
class PageTree {
 public:
  // Takes the width and height in points of one page as it is shown.
  using PageSizeVisitor = std::function<void(double width, double height)>;

  explicit PageTree(PdfDocument& document) : document_(document), visitsLeft_(2 * document.ObjectCapacity() + 16) {}

  // The leaves below the root node `pages` (stopping once past 2^31 - 1).
  std::int64_t CountLeaves(const PdfObject& pagesReference, const PdfObject& kids);
  // Hands `visit` the size of every page leaf below the root node `pages`, read whole, with
  // the boxes and rotation it inherits, in the order of the tree.
  void VisitPageSizes(const PdfObject& pagesReference, const PdfObject& pages, const PageSizeVisitor& visit);

 private:
  // `inherited` is null while the walk only counts.
  std::int64_t CountBelow(const PdfObject& kids, int depth, const PageBoxes* inherited);
  // The leaves that `kid`, an item of a /Kids array, stands for.
  std::int64_t CountKid(const PdfObject& kid, int depth, const PageBoxes* inherited);

  PdfDocument& document_;
  std::int64_t visitsLeft_;
  std::size_t kidsHeld_ = 0;
  std::set<std::pair<std::int64_t, std::int64_t>> path_;
  PageSizeVisitor visit_;
};

}  // namespace folidex::pdf
