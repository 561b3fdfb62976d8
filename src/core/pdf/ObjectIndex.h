#pragma once

#include <cstdint>
#include <optional>

#include "core/pdf/PdfObject.h"

namespace folidex::pdf {

// Where one object of a document is.
struct XrefEntry {
  enum class Type { Free, InFile, InObjectStream };
  Type type = Type::Free;
  std::int64_t offset = 0;      // InFile: where the object starts; InObjectStream: the stream's object number
  std::int64_t generation = 0;  // InFile: its generation; InObjectStream: its index in the stream
};

// Where the objects of a document are: as its cross-reference data says, or as a scan of
// the whole file found them.
class ObjectIndex {
 public:
  virtual ~ObjectIndex() = default;

  // The trailer dictionary (of the newest cross-reference section).
  virtual const PdfObject& Trailer() const = 0;
  // Where object `number` is; nothing when it is not listed.
  virtual std::optional<XrefEntry> Find(std::int64_t number) const = 0;
  // How many objects the document can hold: more pages than this do not fit.
  virtual std::int64_t ObjectCapacity() const = 0;
};

}  // namespace folidex::pdf
