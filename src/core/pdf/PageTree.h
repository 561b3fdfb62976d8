#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <utility>

#include "core/pdf/PageBoxes.h"
#include "core/pdf/PdfDocument.h"
#include "core/pdf/PdfObject.h"

namespace folidex::pdf {

// The root node of a document's page tree, and the entry of the catalog that leads to it.
struct PageTreeRoot {
  PdfObject reference;
  PdfObject node;
};

// The /Pages of the document's catalog, read keeping or skipping the items of its arrays;
// throws Damaged() when the catalog or the root node is no dictionary.
PageTreeRoot FindPageTreeRoot(PdfDocument& document, ArrayItems arrays);

// Counts the page leaves of a page tree: a kid with a /Kids array is a further node, any
// other dictionary a page. Kids that lead back to a node on the current path are skipped.
// A tree deeper than a fixed bound, one that shares its nodes so much that the walk would
// visit far more objects than the file holds, or one whose nodes on one path list more
// kids than the reader holds, throws TooLarge() or TooSlow(): its count is not known.
class PageTree {
 public:
  // Takes the width and height in points of one page as it is shown.
  using PageSizeVisitor = std::function<void(double width, double height)>;

  // What a kid stands for whose object cannot be read. Fails: the count fails (and a kid
  // whose object is missing is no page). CountedByItsNode: the kid, read or missing, is a
  // part of its node that only the node's /Count tells; that /Count is taken when it
  // leaves at least one page for each such kid beside the pages read, else the tree is
  // "page tree incomplete".
  enum class UnreadableKid { Fails, CountedByItsNode };

  explicit PageTree(PdfDocument& document, UnreadableKid unreadableKids = UnreadableKid::Fails)
      : document_(document), unreadableKids_(unreadableKids), visitsLeft_(2 * document.ObjectCapacity() + 16) {}

  // The leaves below the root node `pages` (stopping once past 2^31 - 1); `rootCount` is
  // the root's /Count, for kids counted by their node.
  std::int64_t CountLeaves(const PdfObject& pagesReference, const PdfObject& kids,
                           std::optional<std::int64_t> rootCount = std::nullopt);
  // Hands `visit` the size of every page leaf below the root node `pages`, read whole, with
  // the boxes and rotation it inherits, in the order of the tree.
  void VisitPageSizes(const PdfObject& pagesReference, const PdfObject& pages, const PageSizeVisitor& visit);

 private:
  // `inherited` is null while the walk only counts; `nodeCount` is the node's /Count.
  std::int64_t CountBelow(const PdfObject& kids, int depth, const PageBoxes* inherited,
                          std::optional<std::int64_t> nodeCount);
  // The leaves that `kid`, an item of a /Kids array, stands for; kUnreadable for a kid
  // counted by its node.
  std::int64_t CountKid(const PdfObject& kid, int depth, const PageBoxes* inherited);
  // The node's /Count that `countEntry` is or leads to, when it is an integer.
  std::optional<std::int64_t> DeclaredCount(const PdfObject& countEntry);

  PdfDocument& document_;
  UnreadableKid unreadableKids_;
  std::int64_t visitsLeft_;
  std::size_t kidsHeld_ = 0;
  std::set<std::pair<std::int64_t, std::int64_t>> path_;
  PageSizeVisitor visit_;
};

}  // namespace folidex::pdf
