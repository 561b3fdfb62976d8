#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <variant>

#include "core/pdf/DocumentReading.h"
#include "core/pdf/PageTree.h"
#include "core/pdf/PdfDocument.h"
#include "core/pdf/PdfObject.h"
#include "core/pdf/QpdfCandidate.h"
#include "core/pdf/RecoveredIndex.h"

namespace folidex::pdf {

// The recovery scans a file at 70 MB a second when it is packed with objects, and faster
// through stream data: it is tried on files up to this size.
constexpr std::int64_t kMaxRecoveredFileSize = std::int64_t{64} << 20;

// What `read(document, index)` makes of the document in `source`, read through the index
// that a scan of the whole file rebuilds (see RecoveredIndex), within a budget of its own,
// or the failure that ended the reading. A file without any object is not a PDF file when
// it does not start like one, else damaged. Never throws.
template <typename Value, typename Read>
std::variant<Value, CountFailure> ReadRecoveredDocument(const ByteSource& source, const std::atomic<bool>* cancelled,
                                                        Read read) {
  return ReadWithBounds<Value>(source, cancelled, [&source, &read](PdfFile& file) {
    const RecoveredIndex index(file);
    if (index.ObjectCapacity() == 0) {
      if (!StartsLikePdf(source)) throw CountFailure{CountFailure::Kind::NotPdf, {}};
      throw Damaged("no objects");
    }
    PdfDocument document(file, index);
    return read(document, index);
  });
}

// The object `reference` leads to, or null when it cannot be read for a reason that
// another reader might overcome (damage); other failures are thrown.
const PdfObject* ResolveOrNull(PdfDocument& document, const PdfObject& reference, PdfObject& loaded);

// The catalog: the first of the roots the trailers name, newest first, that leads to a
// catalog (a dictionary typed /Catalog or with /Pages), else the newest object typed /Catalog.
std::optional<PdfObject> FindRecoveredCatalog(PdfDocument& document, const RecoveredIndex& index);

// The root of the catalog's page tree, when its /Pages leads to a dictionary with /Kids.
std::optional<PageTreeRoot> RecoveredTreeRoot(PdfDocument& document, const PdfObject& catalog);

}  // namespace folidex::pdf
