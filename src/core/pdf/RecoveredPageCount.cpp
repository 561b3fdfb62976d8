#include "core/pdf/RecoveredPageCount.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <utility>
#include <vector>

#include "core/pdf/RecoveredDocument.h"

namespace folidex {
namespace {

using pdf::PdfDocument;
using pdf::PdfObject;
using pdf::RecoveredIndex;
using pdf::ResolveOrNull;
using Role = RecoveredIndex::Role;

// The kids that the page-tree nodes found may list together.
constexpr std::size_t kMaxKidsListed = std::size_t{1} << 21;

// The leaves of the tree below `node` (reached through `reference`) when its /Count says
// the same, the parts that cannot be read counted by the /Count of their node; nothing
// when the node has no /Kids or another /Count.
std::optional<int> SureTreeCount(PdfDocument& document, const PdfObject& reference, const PdfObject& node) {
  PdfObject loadedKids, loadedCount;
  const PdfObject* kids = ResolveOrNull(document, node.Get("Kids"), loadedKids);
  const PdfObject* count = ResolveOrNull(document, node.Get("Count"), loadedCount);
  if (kids == nullptr || !kids->IsArray() || count == nullptr || !count->IsInteger()) return std::nullopt;
  std::int64_t leaves = 0;
  try {
    leaves = pdf::PageTree(document, pdf::PageTree::UnreadableKid::CountedByItsNode)
                 .CountLeaves(reference, *kids, count->number);
  } catch (const CountFailure& failure) {
    if (!pdf::OtherReadersMayCount(failure)) throw;
    return std::nullopt;
  }
  if (leaves != count->number) return std::nullopt;
  if (leaves > INT_MAX) throw pdf::TooLarge(pdf::kTooManyPages);
  return static_cast<int>(leaves);
}

// The pages that the page-tree nodes found list, when exactly one node has no /Parent and
// is listed by no other, and its /Count says the same.
std::optional<int> CountPagesOfNodes(PdfDocument& document, const RecoveredIndex& index) {
  std::vector<std::uint64_t> kidsListed;
  std::vector<std::uint64_t> pages;
  // The nodes without a /Parent, with their /Count: the root is one of them.
  std::vector<std::pair<std::uint64_t, std::optional<std::int64_t>>> parentless;
  for (const PdfObject& node : index.ObjectsWithRole(Role::PageTreeNode)) {
    PdfObject loaded, loadedKids;
    const PdfObject* dictionary = ResolveOrNull(document, node, loaded);
    if (dictionary == nullptr) continue;
    if (dictionary->Get("Parent").kind == PdfObject::Kind::Null) {
      PdfObject loadedCount;
      const PdfObject* count = ResolveOrNull(document, dictionary->Get("Count"), loadedCount);
      parentless.emplace_back(PdfObject::Pack(node.number, node.generation),
                              count != nullptr && count->IsInteger() ? std::optional(count->number) : std::nullopt);
    }
    const PdfObject* kids = ResolveOrNull(document, dictionary->Get("Kids"), loadedKids);
    if (kids == nullptr || !kids->IsArray()) continue;
    for (const std::uint64_t kid : kids->references) {
      if (kidsListed.size() == kMaxKidsListed) throw pdf::TooLarge("page-tree nodes listing over 2,097,152 kids");
      kidsListed.push_back(kid);
      if (index.RoleOf(PdfObject::Unpack(kid)) == Role::Page) pages.push_back(kid);
    }
  }
  std::sort(kidsListed.begin(), kidsListed.end());
  std::sort(pages.begin(), pages.end());
  pages.erase(std::unique(pages.begin(), pages.end()), pages.end());
  std::erase_if(parentless, [&kidsListed](const auto& node) {
    return std::binary_search(kidsListed.begin(), kidsListed.end(), node.first);
  });
  if (parentless.size() != 1 || parentless.front().second != static_cast<std::int64_t>(pages.size())) {
    return std::nullopt;
  }
  return static_cast<int>(pages.size());
}

std::int32_t CountRecovered(PdfDocument& document, const RecoveredIndex& index) {
  const std::optional<PdfObject> catalog = pdf::FindRecoveredCatalog(document, index);
  if (catalog) {
    if (const std::optional<pdf::PageTreeRoot> root = pdf::RecoveredTreeRoot(document, *catalog)) {
      if (const std::optional<int> count = SureTreeCount(document, root->reference, root->node)) return *count;
      throw pdf::Damaged("page tree incomplete");
    }
  }
  if (const std::optional<int> count = CountPagesOfNodes(document, index)) return *count;
  throw pdf::Damaged(catalog ? "no page tree" : "no catalog");
}

}  // namespace

PageCount CountPagesRecovered(const ByteSource& source, const std::atomic<bool>* cancelled) {
  return PageCount(pdf::ReadRecoveredDocument<std::int32_t>(source, cancelled, CountRecovered));
}

}  // namespace folidex
