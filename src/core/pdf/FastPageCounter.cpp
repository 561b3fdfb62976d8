#include "core/pdf/FastPageCounter.h"

#include <climits>
#include <optional>

#include "core/pdf/DocumentReading.h"
#include "core/pdf/PageTree.h"

namespace folidex {
namespace {

using pdf::ArrayItems;
using pdf::PdfObject;
using pdf::PdfReadFailure;

// The pages of the document, from the /Count of its page-tree root when that can be
// trusted, else by walking the tree; nothing when the count is not to be trusted and
// `arrays` says the root was read without its /Kids.
std::optional<int> CountFromRoot(pdf::PdfDocument& document, ArrayItems arrays) {
  PdfObject loadedCatalog, loadedPages, loadedKids, loadedCount;
  const PdfObject& catalog = document.Resolve(document.Trailer().Get("Root"), loadedCatalog, arrays);
  if (!catalog.IsDictionary()) throw PdfReadFailure::NotUnderstood;
  const PdfObject& pagesReference = catalog.Get("Pages");
  const PdfObject& pages = document.Resolve(pagesReference, loadedPages, arrays);
  if (!pages.IsDictionary()) throw PdfReadFailure::NotUnderstood;

  const PdfObject& kids = document.Resolve(pages.Get("Kids"), loadedKids, arrays);
  const PdfObject& count = document.Resolve(pages.Get("Count"), loadedCount);
  if (kids.IsArray() && count.IsInteger() && count.number >= 0 && count.number <= INT_MAX &&
      count.number <= document.ObjectCapacity()) {
    return static_cast<int>(count.number);
  }
  if (arrays == ArrayItems::Skip) return std::nullopt;
  const std::int64_t leaves = pdf::PageTree(document).CountLeaves(pagesReference, kids);
  if (leaves > INT_MAX) throw PdfReadFailure::OverLimit;
  return static_cast<int>(leaves);
}

// The root is read first without the items of its arrays: a flat page tree lists every
// page of the document in the root's /Kids, and only a /Count not to be trusted needs them.
int CountPagesOf(pdf::PdfDocument& document) {
  if (const std::optional<int> pages = CountFromRoot(document, ArrayItems::Skip)) return *pages;
  return *CountFromRoot(document, ArrayItems::Keep);
}

}  // namespace

FastCount CountPagesFast(const ByteSource& source, const std::atomic<bool>* cancelled) {
  const std::variant<int, PdfReadFailure> pages = pdf::ReadDocument<int>(source, cancelled, CountPagesOf);
  if (const PdfReadFailure* failure = std::get_if<PdfReadFailure>(&pages)) return {-1, *failure};
  return {std::get<int>(pages), std::nullopt};
}

}  // namespace folidex
