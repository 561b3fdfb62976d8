#include "core/pdf/PageTree.h"

#include <climits>

namespace folidex::pdf {
namespace {

constexpr int kMaxTreeDepth = 256;

}  // namespace

std::int64_t PageTree::CountLeaves(const PdfObject& pagesReference, const PdfObject& kids) {
  if (pagesReference.kind == PdfObject::Kind::Reference) {
    path_.emplace(pagesReference.number, pagesReference.generation);
  }
  return CountBelow(kids, 0);
}

std::int64_t PageTree::CountBelow(const PdfObject& kids, int depth) {
  if (depth > kMaxTreeDepth || !kids.IsArray()) return 0;
  std::int64_t count = 0;
  for (std::size_t i = 0; i < kids.items.size() && count <= INT_MAX; ++i) {
    const PdfObject& item = kids.items[i];
    if (item.kind == PdfObject::Kind::Reference && --visitsLeft_ < 0) throw PdfReadFailure::OverLimit;
    PdfObject loadedKid, loadedGrandKids;
    const PdfObject& kid = document_.Resolve(item, loadedKid);
    if (!kid.IsDictionary()) continue;
    const PdfObject& grandKids = document_.Resolve(kid.Get("Kids"), loadedGrandKids);
    if (!grandKids.IsArray()) {
      ++count;
      continue;
    }
    const bool indirect = item.kind == PdfObject::Kind::Reference;
    const std::pair<std::int64_t, std::int64_t> id{item.number, item.generation};
    if (indirect && !path_.insert(id).second) continue;
    count += CountBelow(grandKids, depth + 1);
    if (indirect) path_.erase(id);
  }
  return count;
}

}  // namespace folidex::pdf
