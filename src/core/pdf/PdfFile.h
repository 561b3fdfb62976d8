#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

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
  std::int64_t end = 0;            // where the text parsed ends: after the value, or after "stream"
};

// Reads a document through a small cache of aligned blocks, so that neighbouring objects
// share reads, and parses objects from it, charging the text parsed to the file's budget.
class PdfFile {
 public:
  // The largest window of text parsed at once: an object that does not fit is over the
  // reader's bounds. A page-tree node listing a million pages takes about 12 MiB.
  static constexpr std::size_t kMaxWindow = std::size_t{16} << 20;

  PdfFile(const ByteSource& source, ReadBudget& budget) : source_(source), budget_(budget) {}

  std::int64_t Size() const { return source_.Size(); }
  ReadBudget& Budget() { return budget_; }

  // Up to `length` bytes from `offset` (fewer at the end of the file); valid until the
  // next read. Reads within one block are not copied.
  std::string_view Read(std::int64_t offset, std::size_t length);

  // Runs `parse` on a parser over the text from `offset`, with a larger window each time
  // the text ends too early. The text parsed is charged to the budget, so that parsing a
  // large object over and over ends too.
  template <typename Parse>
  auto ParseAt(std::int64_t offset, Parse parse) {
    // The first try takes the rest of the block, without a copy; most objects fit.
    for (std::size_t window = RestOfBlock(offset);; window = std::min(kMaxWindow, std::max(kFirstWindow, 8 * window))) {
      const std::string_view text = Read(offset, window);
      const bool complete = offset + static_cast<std::int64_t>(text.size()) >= Size();
      try {
        PdfParser parser(text, complete);
        auto result = parse(parser);
        budget_.SpendWork(static_cast<std::int64_t>(parser.Position()));
        return result;
      } catch (const NeedMoreText&) {
        budget_.SpendWork(static_cast<std::int64_t>(text.size()));
        if (complete) throw Damaged();
        if (window == kMaxWindow) throw TooLarge("an object over 16 MiB");
      }
    }
  }

  IndirectObject ReadObjectAt(std::int64_t offset, ArrayItems arrays = ArrayItems::Keep);

 private:
  static constexpr std::size_t kFirstWindow = 4096;
  static constexpr std::int64_t kBlockSize = 16384;
  static constexpr std::size_t kBlocks = 64;

  struct Block {
    std::int64_t index = -1;  // the block's offset divided by kBlockSize
    std::uint64_t lastUse = 0;
    std::unique_ptr<char[]> bytes;
    std::size_t size = 0;
  };

  static std::size_t RestOfBlock(std::int64_t offset) {
    return static_cast<std::size_t>(kBlockSize - (offset < 0 ? 0 : offset % kBlockSize));
  }
  // The block holding `offset`, read from the source when it is not cached.
  const Block& BlockAt(std::int64_t offset);

  const ByteSource& source_;
  ReadBudget& budget_;
  std::vector<Block> blocks_;
  std::uint64_t uses_ = 0;
  std::size_t lastBlock_ = 0;
  std::string window_;  // reads that span blocks are copied here
};

}  // namespace folidex::pdf
