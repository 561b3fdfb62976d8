#include "core/pdf/FastPageCounter.h"

#include <climits>
#include <new>

#include "core/pdf/PageTree.h"
#include "core/pdf/PdfDocument.h"

namespace folidex {
namespace {

using pdf::PdfObject;
using pdf::PdfReadFailure;

int CountPagesOf(pdf::PdfDocument& document) {
  PdfObject loadedCatalog, loadedPages, loadedKids, loadedCount;
  const PdfObject& catalog = document.Resolve(document.Trailer().Get("Root"), loadedCatalog);
  if (!catalog.IsDictionary()) throw PdfReadFailure::NotUnderstood;
  const PdfObject& pagesReference = catalog.Get("Pages");
  const PdfObject& pages = document.Resolve(pagesReference, loadedPages);
  if (!pages.IsDictionary()) throw PdfReadFailure::NotUnderstood;

  const PdfObject& kids = document.Resolve(pages.Get("Kids"), loadedKids);
  const PdfObject& count = document.Resolve(pages.Get("Count"), loadedCount);
  if (kids.IsArray() && count.IsInteger() && count.number >= 0 && count.number <= INT_MAX &&
      count.number <= document.ObjectCapacity()) {
    return static_cast<int>(count.number);
  }
  const std::int64_t leaves = pdf::PageTree(document).CountLeaves(pagesReference, kids);
  if (leaves > INT_MAX) throw PdfReadFailure::OverLimit;
  return static_cast<int>(leaves);
}

}  // namespace

FastCount CountPagesFast(const ByteSource& source) {
  try {
    pdf::PdfDocument document(source);
    return {CountPagesOf(document), std::nullopt};
  } catch (const PdfReadFailure failure) {
    return {-1, failure};
  } catch (const std::bad_alloc&) {
    return {-1, PdfReadFailure::OverLimit};
  } catch (...) {
    return {-1, PdfReadFailure::NotUnderstood};
  }
}

}  // namespace folidex
