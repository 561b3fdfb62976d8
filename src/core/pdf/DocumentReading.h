#pragma once

#include <atomic>
#include <cstdint>
#include <new>
#include <optional>
#include <variant>

#include "core/pdf/ByteSource.h"
#include "core/pdf/PdfDocument.h"
#include "core/pdf/PdfHeader.h"
#include "core/pdf/PdfReadFailure.h"
#include "core/pdf/ReadBudget.h"

namespace folidex::pdf {

// What `read` makes of the document in `source`, opened through its cross-reference data
// with a budget of its own, or the failure that ended the reading. A file whose header
// follows junk is read as it is first, and when that is not understood once more with its
// offsets counted from the header: most such files are whole files with junk added in
// front, but some writers count their offsets from the start of the file.
template <typename Value, typename Read>
std::variant<Value, PdfReadFailure> ReadDocument(const ByteSource& source, const std::atomic<bool>* cancelled,
                                                 Read read) {
  const auto readFrom = [cancelled, &read](const ByteSource& bytes) -> std::variant<Value, PdfReadFailure> {
    try {
      ReadBudget budget(bytes.Size(), cancelled);
      PdfDocument document(bytes, budget);
      return read(document);
    } catch (const PdfReadFailure failure) {
      return failure;
    } catch (const std::bad_alloc&) {
      return PdfReadFailure::OverLimit;
    } catch (...) {
      return PdfReadFailure::NotUnderstood;
    }
  };
  std::variant<Value, PdfReadFailure> result = readFrom(source);
  const PdfReadFailure* failure = std::get_if<PdfReadFailure>(&result);
  if (failure == nullptr || *failure != PdfReadFailure::NotUnderstood) return result;
  const std::optional<std::int64_t> header = FindPdfHeader(source);
  if (!header || *header == 0) return result;
  return readFrom(ShiftedByteSource(source, *header));
}

}  // namespace folidex::pdf
