#include "core/pdf/RecoveredDocument.h"

#include <utility>
#include <vector>

namespace folidex::pdf {

const PdfObject* ResolveOrNull(PdfDocument& document, const PdfObject& reference, PdfObject& loaded) {
  try {
    return &document.Resolve(reference, loaded);
  } catch (const CountFailure& failure) {
    if (!OtherReadersMayCount(failure)) throw;
    return nullptr;
  }
}

std::optional<PdfObject> FindRecoveredCatalog(PdfDocument& document, const RecoveredIndex& index) {
  std::vector<PdfObject> candidates = index.Roots();
  for (PdfObject& catalog : index.ObjectsWithRole(RecoveredIndex::Role::Catalog)) {
    candidates.push_back(std::move(catalog));
  }
  for (PdfObject& candidate : candidates) {
    PdfObject loaded;
    const PdfObject* catalog = ResolveOrNull(document, candidate, loaded);
    if (catalog != nullptr && (catalog->Get("Type").IsName("Catalog") || catalog->Get("Pages").IsDictionary() ||
                               catalog->Get("Pages").kind == PdfObject::Kind::Reference)) {
      return *catalog;
    }
  }
  return std::nullopt;
}

std::optional<PageTreeRoot> RecoveredTreeRoot(PdfDocument& document, const PdfObject& catalog) {
  PageTreeRoot root{catalog.Get("Pages"), {}};
  const PdfObject* node = ResolveOrNull(document, root.reference, root.node);
  if (node == nullptr || !node->IsDictionary() || node->Get("Kids").kind == PdfObject::Kind::Null) return std::nullopt;
  if (node != &root.node) root.node = *node;  // a root written into the catalog itself
  return root;
}

}  // namespace folidex::pdf
