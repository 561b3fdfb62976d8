#include "core/pdf/FastPageCounter.h"

#include <climits>
#include <new>
#include <optional>

#include "core/pdf/PageTree.h"
#include "core/pdf/PdfDocument.h"
#include "core/pdf/PdfHeader.h"

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

FastCount CountPagesFrom(const ByteSource& source, const std::atomic<bool>* cancelled) {
  try {
    pdf::ReadBudget budget(source.Size(), cancelled);
    pdf::PdfDocument document(source, budget);
    return {CountPagesOf(document), std::nullopt};
  } catch (const PdfReadFailure failure) {
    return {-1, failure};
  } catch (const std::bad_alloc&) {
    return {-1, PdfReadFailure::OverLimit};
  } catch (...) {
    return {-1, PdfReadFailure::NotUnderstood};
  }
}

}  // namespace

// A file whose header follows junk is read as it is first: most such files are whole
// files with junk added in front, whose offsets count from the header, but some writers
// count them from the start of the file.
FastCount CountPagesFast(const ByteSource& source, const std::atomic<bool>* cancelled) {
  const FastCount count = CountPagesFrom(source, cancelled);
  if (count.failure != PdfReadFailure::NotUnderstood) return count;
  const std::optional<std::int64_t> header = FindPdfHeader(source);
  if (!header || *header == 0) return count;
  return CountPagesFrom(ShiftedByteSource(source, *header), cancelled);
}

}  // namespace folidex
