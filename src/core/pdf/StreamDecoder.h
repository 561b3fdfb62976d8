#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/pdf/Crypto.h"
#include "core/pdf/PdfFile.h"
#include "core/pdf/PdfObject.h"

namespace folidex::pdf {

// Decodes the data of one stream a piece at a time, reading it from the file as it goes,
// so that only as much is inflated as the caller needs: decrypted when a decryptor is
// given, then no filter, or Flate with an optional PNG predictor. Every decoded byte is
// charged to the file's budget. Any other
// filter or predictor throws PdfReadFailure::NotUnderstood, and so does data of `length`
// bytes that is not followed by "endstream".
class StreamDecoder {
 public:
  StreamDecoder(PdfFile& file, const IndirectObject& stream, std::int64_t length,
                std::unique_ptr<crypto::StreamDecryptor> decryptor = nullptr);
  ~StreamDecoder();
  StreamDecoder(const StreamDecoder&) = delete;
  StreamDecoder& operator=(const StreamDecoder&) = delete;

  // Appends decoded bytes to `out` until it holds at least `wanted` bytes or the data
  // ends; false once the data has ended.
  bool DecodeUntil(std::string& out, std::size_t wanted);
  // Appends the rest of the data to `out`, which may hold at most `limit` bytes: a stream
  // that yields more is over the reader's bounds.
  void DecodeAll(std::string& out, std::size_t limit);

 private:
  struct Inflater;
  struct Predictor;

  // Appends up to `room` raw (inflated, not yet unpredicted) bytes to `out`.
  void DecodeRaw(std::string& out, std::size_t room);
  // The next piece of the stream's data as stored, decrypted, from at most `most` bytes of
  // the file; valid until the next call.
  std::string_view NextInput(std::size_t most);
  bool InputLeft() const;
  // Takes what is left of the two-byte zlib header off the start of `data`, and checks it.
  std::string_view TakeZlibHeader(std::string_view data);

  PdfFile& file_;
  std::int64_t inputAt_;
  std::int64_t inputEnd_ = 0;
  bool ended_ = false;
  std::unique_ptr<crypto::StreamDecryptor> decryptor_;  // null: not encrypted
  std::string plain_;                                   // decrypted data handed out last
  bool decrypted_ = false;                              // the decryptor has had all the data
  std::unique_ptr<Inflater> inflater_;                  // null: no filter
  std::unique_ptr<Predictor> predictor_;                // null: no predictor
};

}  // namespace folidex::pdf
