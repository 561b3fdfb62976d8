#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/pdf/ByteSource.h"
#include "core/pdf/PdfObject.h"
#include "core/pdf/PdfParser.h"
#include "core/pdf/PdfReadFailure.h"
#include "core/pdf/ReadBudget.h"

namespace folidex::pdf {

// An object as it stands in the file: "number generation obj value endobj".
struct IndirectObject {
  std::int64_t number = 0;
  std::int64_t generation = 0;
  PdfObject value;
  std::int64_t streamOffset = -1;  // where the stream data starts, when the value has some
};

// Reads windows of a document through a cache of two blocks (the tail with the
// cross-reference data usually stays in one) and parses objects from them, charging every
// read to the file's budget.
class PdfFile {
 public:
  explicit PdfFile(const ByteSource& source) : source_(source), budget_(source.Size()) {}

  std::int64_t Size() const { return source_.Size(); }
  ReadBudget& Budget() { return budget_; }

  // Up to `length` bytes from `offset` (fewer at the end of the file); valid until the next read.
  std::string_view Read(std::int64_t offset, std::size_t length);

  // Runs `parse` on a parser over the text from `offset`, with a larger window each time
  // the text ends too early. The text parsed is charged to the budget, so that parsing a
  // large object over and over ends too.
  template <typename Parse>
  auto ParseAt(std::int64_t offset, Parse parse) {
    for (std::size_t window = kFirstWindow;; window *= 4) {
      const std::string_view text = Read(offset, window);
      const bool complete = offset + static_cast<std::int64_t>(text.size()) >= Size();
      try {
        PdfParser parser(text, complete);
        auto result = parse(parser);
        budget_.SpendRead(static_cast<std::int64_t>(parser.Position()));
        return result;
      } catch (const NeedMoreText&) {
        budget_.SpendRead(static_cast<std::int64_t>(text.size()));
        if (complete) throw PdfReadFailure::NotUnderstood;
      }
    }
  }

  IndirectObject ReadObjectAt(std::int64_t offset, ArrayItems arrays = ArrayItems::Keep);
  // The raw data of a stream of `length` bytes, which must be followed by "endstream".
  std::string ReadStreamData(const IndirectObject& object, std::int64_t length);

 private:
  static constexpr std::size_t kFirstWindow = 4096;

  struct Block {
    std::string bytes;
    std::int64_t start = -1;
  };

  const ByteSource& source_;
  ReadBudget budget_;
  Block blocks_[2];
  int lastUsed_ = 0;
};

}  // namespace folidex::pdf
