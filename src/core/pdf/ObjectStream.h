#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/pdf/PdfFile.h"
#include "core/pdf/PdfObject.h"
#include "core/pdf/StreamDecoder.h"

namespace folidex::pdf {

// An object stream, decoded only as far as the objects asked for so far: a stream may be
// far larger decoded than the few objects a count needs from it. What has been decoded is
// kept for the next object.
class ObjectStream {
 public:
  // No object stream decoded further than this is held; an object beyond it is over the
  // reader's bounds.
  static constexpr std::size_t kMaxHeld = std::size_t{16} << 20;

  // `stream` is the stream object (/Type /ObjStm), `length` its resolved /Length and
  // `decryptor`, in an encrypted document, what decrypts its data.
  ObjectStream(PdfFile& file, const IndirectObject& stream, std::int64_t length,
               std::unique_ptr<crypto::StreamDecryptor> decryptor);

  // Object `number`, expected as the `index`-th of the stream.
  PdfObject Load(std::int64_t index, std::int64_t number, ArrayItems arrays);
  // The memory the stream holds.
  std::size_t HeldBytes() const { return data_.size() + heads_.size() * sizeof(heads_[0]); }

 private:
  // Runs `parse` on a parser over the decoded data from `offset`, decoding more each time
  // the data ends too early.
  template <typename Parse>
  auto ParseDecoded(std::size_t offset, Parse parse);

  PdfFile& file_;
  StreamDecoder decoder_;
  std::string data_;  // the data decoded so far
  bool more_ = true;  // whether the decoder may yield more
  std::int64_t first_ = 0;
  std::vector<std::pair<std::int64_t, std::int64_t>> heads_;  // object number, offset from `first_`
};

}  // namespace folidex::pdf
