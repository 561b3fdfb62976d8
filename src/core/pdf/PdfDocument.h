#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <vector>

#include "core/pdf/ObjectIndex.h"
#include "core/pdf/ObjectStream.h"
#include "core/pdf/PdfFile.h"
#include "core/pdf/PdfObject.h"
#include "core/pdf/StandardSecurity.h"

namespace folidex::pdf {

// A PDF file opened through an index of its objects: objects are read one at a time where
// the index puts them, in the file or inside an object stream.
class PdfDocument {
 public:
  PdfDocument(PdfFile& file, const ObjectIndex& index) : file_(file), index_(index) {}

  const PdfObject& Trailer() const { return index_.Trailer(); }
  std::int64_t ObjectCapacity() const { return index_.ObjectCapacity(); }
  // `object` itself when it is no reference; otherwise the object it leads to, loaded into
  // `loaded` (null for a free or unlisted object), keeping or skipping its arrays' items.
  const PdfObject& Resolve(const PdfObject& object, PdfObject& loaded, ArrayItems arrays = ArrayItems::Keep);

  // The object stream that object `number` is, opened (and decrypted) as far as its heads.
  ObjectStream& OpenObjectStream(std::int64_t number);

 private:
  struct OpenStream {
    std::int64_t number = 0;
    std::uint64_t lastUse = 0;
    std::unique_ptr<ObjectStream> stream;
  };

  PdfObject Load(std::int64_t number, std::int64_t generation, ArrayItems arrays);
  // What decrypts the data of stream object `number generation` in an encrypted document;
  // null when the document is not encrypted, or its streams are not.
  std::unique_ptr<crypto::StreamDecryptor> DecryptorFor(std::int64_t number, std::int64_t generation);
  // Closes the least recently used streams while too many are open or they hold too much.
  void CloseStreamsOverLimit();

  PdfFile& file_;
  const ObjectIndex& index_;
  std::vector<OpenStream> objectStreams_;
  std::uint64_t streamUses_ = 0;
  std::set<std::int64_t> objectStreamsOpening_;
  std::optional<StandardSecurity> security_;  // set up when the first encrypted stream is read
};

}  // namespace folidex::pdf
