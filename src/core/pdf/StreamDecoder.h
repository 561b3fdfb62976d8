#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/pdf/PdfFile.h"
#include "core/pdf/PdfObject.h"

namespace folidex::pdf {

// Decodes the data of one stream a piece at a time, reading it from the file as it goes,
// so that only as much is inflated as the caller needs: no filter, or Flate with an
// optional PNG predictor. Every decoded byte is charged to the file's budget. Any other
// filter or predictor throws PdfReadFailure::NotUnderstood, and so does data of `length`
// bytes that is not followed by "endstream".
class StreamDecoder {
 public:
  StreamDecoder(PdfFile& file, const IndirectObject& stream, std::int64_t length);
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

  PdfFile& file_;
  std::int64_t inputAt_;
  std::int64_t inputEnd_ = 0;
  bool ended_ = false;
  std::unique_ptr<Inflater> inflater_;    // null: no filter
  std::unique_ptr<Predictor> predictor_;  // null: no predictor
};

}  // namespace folidex::pdf
