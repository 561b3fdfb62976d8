#include "core/pdf/PageSizes.h"

#include "core/pdf/DocumentReading.h"
#include "core/pdf/PageTree.h"

namespace folidex {
namespace {

using pdf::PdfObject;
using pdf::PdfReadFailure;

// More different sizes than any real document has: each one takes memory.
constexpr std::size_t kMaxSizes = 4096;

PaperSizeTally TallyPages(pdf::PdfDocument& document) {
  PdfObject loadedCatalog, loadedPages;
  const PdfObject& catalog = document.Resolve(document.Trailer().Get("Root"), loadedCatalog, pdf::ArrayItems::Skip);
  if (!catalog.IsDictionary()) throw PdfReadFailure::NotUnderstood;
  const PdfObject& pagesReference = catalog.Get("Pages");
  const PdfObject& pages = document.Resolve(pagesReference, loadedPages);
  if (!pages.IsDictionary()) throw PdfReadFailure::NotUnderstood;
  PaperSizeTally tally;
  pdf::PageTree(document).VisitPageSizes(pagesReference, pages, [&tally](double width, double height) {
    ++tally[PaperSizeOf(width, height)];
    if (tally.size() > kMaxSizes) throw PdfReadFailure::OverLimit;
  });
  return tally;
}

}  // namespace

std::optional<PaperSizeTally> ReadPaperSizes(const ByteSource& source, const std::atomic<bool>* cancelled) {
  std::variant<PaperSizeTally, PdfReadFailure> tally = pdf::ReadDocument<PaperSizeTally>(source, cancelled, TallyPages);
  if (std::holds_alternative<PdfReadFailure>(tally)) return std::nullopt;
  return std::get<PaperSizeTally>(std::move(tally));
}

}  // namespace folidex
