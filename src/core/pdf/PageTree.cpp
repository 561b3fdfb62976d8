#include "core/pdf/PageTree.h"

#include <climits>
#include <optional>

namespace folidex::pdf {
namespace {

// The kids that the nodes on one path of the walk may list together: a flat tree of a
// million pages lists them all in its root.
constexpr std::size_t kMaxKidsHeld = std::size_t{1} << 21;

std::size_t KidsIn(const PdfObject& kids) { return kids.items.size() + kids.references.size(); }

// What CountKid gives for a kid that its node's /Count stands for.
constexpr std::int64_t kUnreadable = -1;

}  // namespace

PageTreeRoot FindPageTreeRoot(PdfDocument& document, ArrayItems arrays) {
  PdfObject loadedCatalog;
  const PdfObject& catalog = document.Resolve(document.Trailer().Get("Root"), loadedCatalog, arrays);
  if (!catalog.IsDictionary()) throw Damaged();
  PageTreeRoot root{catalog.Get("Pages"), {}};
  const PdfObject& node = document.Resolve(root.reference, root.node, arrays);
  if (!node.IsDictionary()) throw Damaged();
  if (&node != &root.node) root.node = node;  // a root written into the catalog itself
  return root;
}

std::int64_t PageTree::CountLeaves(const PdfObject& pagesReference, const PdfObject& kids,
                                   std::optional<std::int64_t> rootCount) {
  if (pagesReference.kind == PdfObject::Kind::Reference) {
    path_.emplace(pagesReference.number, pagesReference.generation);
  }
  return CountBelow(kids, 0, nullptr, rootCount);
}

void PageTree::VisitPageSizes(const PdfObject& pagesReference, const PdfObject& pages, const PageSizeVisitor& visit) {
  if (pagesReference.kind == PdfObject::Kind::Reference) {
    path_.emplace(pagesReference.number, pagesReference.generation);
  }
  visit_ = visit;
  const PageBoxes boxes = PageBoxes{}.Below(pages, document_);
  PdfObject loadedKids;
  CountBelow(document_.Resolve(pages.Get("Kids"), loadedKids), 0, &boxes, std::nullopt);
}

std::int64_t PageTree::CountBelow(const PdfObject& kids, int depth, const PageBoxes* inherited,
                                  std::optional<std::int64_t> nodeCount) {
  if (depth > kMaxTreeDepth) throw TooLarge(kTreeTooDeep);
  if (!kids.IsArray()) return 0;
  kidsHeld_ += KidsIn(kids);
  if (kidsHeld_ > kMaxKidsHeld) throw TooLarge("a page tree listing over 2,097,152 kids on one path");
  std::int64_t count = 0;
  std::int64_t unreadable = 0;
  const auto add = [&](std::int64_t leaves) { leaves == kUnreadable ? ++unreadable : count += leaves; };
  for (std::size_t i = 0; i < kids.references.size() && count <= INT_MAX; ++i) {
    add(CountKid(PdfObject::Unpack(kids.references[i]), depth, inherited));
  }
  for (std::size_t i = 0; i < kids.items.size() && count <= INT_MAX; ++i) {
    add(CountKid(kids.items[i], depth, inherited));
  }
  kidsHeld_ -= KidsIn(kids);
  if (unreadable == 0) return count;
  if (!nodeCount || *nodeCount < count + unreadable) throw Damaged("page tree incomplete");
  return *nodeCount;
}

std::int64_t PageTree::CountKid(const PdfObject& item, int depth, const PageBoxes* inherited) {
  const bool indirect = item.kind == PdfObject::Kind::Reference;
  if (indirect && --visitsLeft_ < 0) throw TooSlow(kTreeSharedTooOften);
  // Kids are first read for their /Kids entry alone (and their boxes, for their sizes):
  // nearly all are pages, and the rest of a page (its resources, annotations) does not
  // matter here. Only a node is read again with its /Kids, and only that array stays in
  // memory while the walk goes below.
  PdfObject loadedKid;
  const PdfObject* resolved = &item;
  try {
    resolved = &document_.Resolve(item, loadedKid, inherited ? ArrayItems::PageBoxes : ArrayItems::KidsOnly);
  } catch (const CountFailure& failure) {
    if (unreadableKids_ == UnreadableKid::Fails || failure.kind != CountFailure::Kind::Damaged) throw;
    return kUnreadable;
  }
  const PdfObject& kid = *resolved;
  const bool countedByNode = unreadableKids_ == UnreadableKid::CountedByItsNode;
  if (countedByNode && indirect && kid.kind == PdfObject::Kind::Null) return kUnreadable;  // a missing object
  if (!kid.IsDictionary()) return 0;
  // Kept now: `kid` may be the object that is read again for its /Kids below.
  const PdfObject countEntry = countedByNode ? kid.Get("Count") : PdfObject{};
  std::optional<PageBoxes> boxes;
  if (inherited) boxes = inherited->Below(kid, document_);
  const PdfObject& kidsEntry = kid.Get("Kids");
  PdfObject nodeKids;
  if (kidsEntry.IsArray() && !indirect) {
    nodeKids = kidsEntry;
  } else if (kidsEntry.IsArray()) {
    document_.Resolve(item, loadedKid);
    nodeKids = loadedKid.Take("Kids");
  } else if (kidsEntry.kind == PdfObject::Kind::Reference) {
    document_.Resolve(kidsEntry, nodeKids);  // a reference always loads into `nodeKids`
  }
  if (!nodeKids.IsArray()) {
    if (boxes) {
      const auto [width, height] = boxes->ShownSize(kid, document_);
      visit_(width, height);
    }
    return 1;
  }
  loadedKid = {};
  const std::pair<std::int64_t, std::int64_t> id{item.number, item.generation};
  if (indirect && !path_.insert(id).second) return 0;
  const std::optional<std::int64_t> declared = countedByNode ? DeclaredCount(countEntry) : std::nullopt;
  const std::int64_t count = CountBelow(nodeKids, depth + 1, boxes ? &*boxes : nullptr, declared);
  if (indirect) path_.erase(id);
  return count;
}

std::optional<std::int64_t> PageTree::DeclaredCount(const PdfObject& countEntry) {
  PdfObject loadedCount;
  const PdfObject& count = document_.Resolve(countEntry, loadedCount);
  if (!count.IsInteger()) return std::nullopt;
  return count.number;
}

}  // namespace folidex::pdf
