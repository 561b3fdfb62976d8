#include "core/pdf/PageSizes.h"

#include "core/pdf/DocumentReading.h"
#include "core/pdf/PageTree.h"

namespace folidex {
namespace {

// More different sizes than any real document has: each one takes memory.
constexpr std::size_t kMaxSizes = 4096;

PaperSizeTally TallyPages(pdf::PdfDocument& document) {
  const pdf::PageTreeRoot root = pdf::FindPageTreeRoot(document, pdf::ArrayItems::Keep);
  PaperSizeTally tally;
  pdf::PageTree(document).VisitPageSizes(root.reference, root.node, [&tally](double width, double height) {
    ++tally[PaperSizeOf(width, height)];
    if (tally.size() > kMaxSizes) throw pdf::TooLarge("more than 4,096 paper sizes");
  });
  return tally;
}

}  // namespace

std::optional<PaperSizeTally> ReadPaperSizes(const ByteSource& source, const std::atomic<bool>* cancelled) {
  std::variant<PaperSizeTally, CountFailure> tally = pdf::ReadDocument<PaperSizeTally>(source, cancelled, TallyPages);
  if (std::holds_alternative<CountFailure>(tally)) return std::nullopt;
  return std::get<PaperSizeTally>(std::move(tally));
}

}  // namespace folidex
