#pragma once

#include <cstdint>
#include <set>
#include <utility>

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
  explicit PageTree(PdfDocument& document) : document_(document), visitsLeft_(2 * document.ObjectCapacity() + 16) {}

  // The leaves below the root node `pages` (stopping once past 2^31 - 1).
  std::int64_t CountLeaves(const PdfObject& pagesReference, const PdfObject& kids);

 private:
  std::int64_t CountBelow(const PdfObject& kids, int depth);
  // The leaves that `kid`, an item of a /Kids array, stands for.
  std::int64_t CountKid(const PdfObject& kid, int depth);

  PdfDocument& document_;
  std::int64_t visitsLeft_;
  std::size_t kidsHeld_ = 0;
  std::set<std::pair<std::int64_t, std::int64_t>> path_;
};

}  // namespace folidex::pdf
