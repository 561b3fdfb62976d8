#include "core/pdf/FastPageCounter.h"

#include <climits>
#include <optional>

#include "core/pdf/DocumentReading.h"
#include "core/pdf/PageTree.h"

namespace folidex {
namespace {

using pdf::ArrayItems;
using pdf::PdfObject;

// The pages of the document, from the /Count of its page-tree root when that can be
// trusted, else by walking the tree; nothing when the count is not to be trusted and
// `arrays` says the root was read without its /Kids.
std::optional<int> CountFromRoot(pdf::PdfDocument& document, ArrayItems arrays) {
  const pdf::PageTreeRoot root = pdf::FindPageTreeRoot(document, arrays);
  PdfObject loadedKids, loadedCount;
  const PdfObject& kids = document.Resolve(root.node.Get("Kids"), loadedKids, arrays);
  // A root without /Kids lost its pages: its /Count says nothing that can be checked.
  if (!kids.IsArray()) throw pdf::Damaged("no page tree");
  const PdfObject& count = document.Resolve(root.node.Get("Count"), loadedCount);
  if (count.IsInteger() && count.number >= 0 && count.number <= INT_MAX && count.number <= document.ObjectCapacity()) {
    return static_cast<int>(count.number);
  }
  if (arrays == ArrayItems::Skip) return std::nullopt;
  const std::int64_t leaves = pdf::PageTree(document).CountLeaves(root.reference, kids);
  if (leaves > INT_MAX) throw pdf::TooLarge(pdf::kTooManyPages);
  return static_cast<int>(leaves);
}

// The root is read first without the items of its arrays: a flat page tree lists every
// page of the document in the root's /Kids, and only a /Count not to be trusted needs them.
int CountPagesOf(pdf::PdfDocument& document) {
  if (const std::optional<int> pages = CountFromRoot(document, ArrayItems::Skip)) return *pages;
  return *CountFromRoot(document, ArrayItems::Keep);
}

}  // namespace

PageCount CountPagesFast(const ByteSource& source, const std::atomic<bool>* cancelled) {
  return PageCount(pdf::ReadDocument<std::int32_t>(source, cancelled, CountPagesOf));
}

}  // namespace folidex
