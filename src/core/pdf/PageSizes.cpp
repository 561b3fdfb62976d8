#include "core/pdf/PageSizes.h"

#include "core/pdf/DocumentReading.h"
#include "core/pdf/PageTree.h"
#include "core/pdf/RecoveredDocument.h"

namespace folidex {
namespace {

using pdf::PdfObject;

// More different sizes than any real document has: each one takes memory.
constexpr std::size_t kMaxSizes = 4096;

// The sizes of the page leaves below `root`.
PaperSizeTally TallyTree(pdf::PdfDocument& document, const pdf::PageTreeRoot& root) {
  PaperSizeTally tally;
  pdf::PageTree(document).VisitPageSizes(root.reference, root.node, [&tally](double width, double height) {
    ++tally[PaperSizeOf(width, height)];
    if (tally.size() > kMaxSizes) throw pdf::TooLarge("more than 4,096 paper sizes");
  });
  return tally;
}

// The sizes of the pages of the catalog's tree, read through the cross-reference data.
PaperSizeTally TallyPages(pdf::PdfDocument& document) {
  return TallyTree(document, pdf::FindPageTreeRoot(document, pdf::ArrayItems::Keep));
}

// The same through the index a scan of the file rebuilds, for a file whose cross-reference
// data is damaged: only the tree of the catalog found, each of its pages read.
PaperSizeTally TallyRecoveredPages(pdf::PdfDocument& document, const pdf::RecoveredIndex& index) {
  const std::optional<PdfObject> catalog = pdf::FindRecoveredCatalog(document, index);
  const std::optional<pdf::PageTreeRoot> root = catalog ? pdf::RecoveredTreeRoot(document, *catalog) : std::nullopt;
  if (!root) throw pdf::Damaged("no page tree");
  return TallyTree(document, *root);
}

}  // namespace

std::optional<PaperSizeTally> ReadPaperSizes(const ByteSource& source, const std::atomic<bool>* cancelled) {
  std::variant<PaperSizeTally, CountFailure> tally = pdf::ReadDocument<PaperSizeTally>(source, cancelled, TallyPages);
  const CountFailure* failure = std::get_if<CountFailure>(&tally);
  if (failure != nullptr && failure->kind == CountFailure::Kind::Damaged &&
      source.Size() <= pdf::kMaxRecoveredFileSize) {
    tally = pdf::ReadRecoveredDocument<PaperSizeTally>(source, cancelled, TallyRecoveredPages);
  }
  if (std::holds_alternative<CountFailure>(tally)) return std::nullopt;
  return std::get<PaperSizeTally>(std::move(tally));
}

}  // namespace folidex
