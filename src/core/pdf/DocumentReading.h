#pragma once

#include <atomic>
#include <cstdint>
#include <new>
#include <optional>
#include <variant>

#include "core/pdf/ByteSource.h"
#include "core/pdf/CrossReference.h"
#include "core/pdf/PageCount.h"
#include "core/pdf/PdfDocument.h"
#include "core/pdf/PdfFile.h"
#include "core/pdf/PdfHeader.h"
#include "core/pdf/PdfReadFailure.h"
#include "core/pdf/ReadBudget.h"

namespace folidex::pdf {

// What `read` makes of the file opened on `source`, within a budget of its own, or the
// failure that ended the reading (what it threw). Never throws.
template <typename Value, typename Read>
std::variant<Value, CountFailure> ReadWithBounds(const ByteSource& source, const std::atomic<bool>* cancelled,
                                                 Read read) {
  try {
    ReadBudget budget(source.Size(), cancelled);
    PdfFile file(source, budget);
    return read(file);
  } catch (CountFailure& failure) {
    return std::move(failure);
  } catch (const std::bad_alloc&) {
    return TooLarge(kOutOfMemory);
  } catch (...) {
    return Damaged();
  }
}

// What `read` makes of the document in `source`, opened through its cross-reference data
// with a budget of its own, or the failure that ended the reading. A file whose header
// follows junk is read as it is first, and when that finds it damaged once more with its
// offsets counted from the header: most such files are whole files with junk added in
// front, but some writers count their offsets from the start of the file.
template <typename Value, typename Read>
std::variant<Value, CountFailure> ReadDocument(const ByteSource& source, const std::atomic<bool>* cancelled,
                                               Read read) {
  const auto readFrom = [cancelled, &read](const ByteSource& bytes) {
    return ReadWithBounds<Value>(bytes, cancelled, [&read](PdfFile& file) {
      const CrossReference xref(file);
      PdfDocument document(file, xref);
      return read(document);
    });
  };
  std::variant<Value, CountFailure> result = readFrom(source);
  const CountFailure* failure = std::get_if<CountFailure>(&result);
  if (failure == nullptr || failure->kind != CountFailure::Kind::Damaged) return result;
  const std::optional<std::int64_t> header = FindPdfHeader(source);
  if (!header || *header == 0) return result;
  return readFrom(ShiftedByteSource(source, *header));
}

}  // namespace folidex::pdf
