#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/pdf/ByteSource.h"
#include "core/pdf/CrossReference.h"
#include "core/pdf/PdfFile.h"
#include "core/pdf/PdfObject.h"

namespace folidex::pdf {

// A PDF file opened through its cross-reference data: objects are read one at a time
// where the cross-reference puts them, in the file or inside an object stream.
class PdfDocument {
 public:
  explicit PdfDocument(const ByteSource& source) : file_(source), xref_(file_) {}

  const PdfObject& Trailer() const { return xref_.Trailer(); }
  std::int64_t ObjectCapacity() const { return xref_.ObjectCapacity(); }
  // `object` itself when it is no reference; otherwise the object it leads to, loaded into
  // `loaded` (null for a free or unlisted object), keeping or skipping its arrays' items.
  const PdfObject& Resolve(const PdfObject& object, PdfObject& loaded, ArrayItems arrays = ArrayItems::Keep);

 private:
  struct ObjectStream {
    std::string data;
    std::int64_t first = 0;                                    // where the first object starts
    std::vector<std::pair<std::int64_t, std::int64_t>> heads;  // object number, offset from `first`
  };

  PdfObject Load(std::int64_t number, std::int64_t generation, ArrayItems arrays);
  PdfObject LoadFromObjectStream(std::int64_t stream, std::int64_t index, std::int64_t number, ArrayItems arrays);
  const ObjectStream& OpenObjectStream(std::int64_t number);

  PdfFile file_;
  CrossReference xref_;
  std::map<std::int64_t, ObjectStream> objectStreams_;
  std::set<std::int64_t> objectStreamsOpening_;
};

}  // namespace folidex::pdf
