#include "core/pdf/PdfFile.h"

#include <algorithm>
#include <cstring>

namespace folidex::pdf {

const PdfFile::Block& PdfFile::BlockAt(std::int64_t offset) {
  const std::int64_t index = offset / kBlockSize;
  if (lastBlock_ < blocks_.size() && blocks_[lastBlock_].index == index) return blocks_[lastBlock_];
  std::size_t slot = 0;
  for (; slot < blocks_.size() && blocks_[slot].index != index; ++slot) {
  }
  if (slot == blocks_.size()) {
    if (blocks_.size() < kBlocks) {
      blocks_.emplace_back();
    } else {
      slot = static_cast<std::size_t>(
          std::min_element(blocks_.begin(), blocks_.end(),
                           [](const Block& a, const Block& b) { return a.lastUse < b.lastUse; }) -
          blocks_.begin());
    }
    Block& block = blocks_[slot];
    if (!block.bytes) block.bytes = std::make_unique_for_overwrite<char[]>(kBlockSize);
    const std::int64_t start = index * kBlockSize;
    const std::size_t wanted = static_cast<std::size_t>(std::min(kBlockSize, Size() - start));
    block.index = -1;
    if (source_.ReadAt(start, block.bytes.get(), wanted) != wanted) {
      if (const int error = source_.ReadError()) throw Unreadable(error);
      throw Damaged("the file shrank while it was read");
    }
    block.index = index;
    block.size = wanted;
  }
  blocks_[slot].lastUse = ++uses_;
  lastBlock_ = slot;
  return blocks_[slot];
}

std::string_view PdfFile::Read(std::int64_t offset, std::size_t length) {
  if (offset < 0 || offset > Size()) throw Damaged();
  const std::int64_t end = offset + static_cast<std::int64_t>(std::min<std::uint64_t>(length, Size() - offset));
  if (end == offset) return {};
  if (offset / kBlockSize == (end - 1) / kBlockSize) {
    const Block& block = BlockAt(offset);
    return {block.bytes.get() + offset % kBlockSize, static_cast<std::size_t>(end - offset)};
  }
  window_.resize(static_cast<std::size_t>(end - offset));
  for (std::int64_t at = offset; at < end;) {
    const Block& block = BlockAt(at);
    const std::int64_t blockEnd = std::min(end, (at / kBlockSize + 1) * kBlockSize);
    std::memcpy(window_.data() + (at - offset), block.bytes.get() + at % kBlockSize,
                static_cast<std::size_t>(blockEnd - at));
    at = blockEnd;
  }
  return window_;
}

IndirectObject PdfFile::ReadObjectAt(std::int64_t offset, ArrayItems arrays) {
  return ParseAt(offset, [offset, arrays](PdfParser& parser) {
    IndirectObject object;
    const auto number = parser.TakeUnsigned();
    const auto generation = parser.TakeUnsigned();
    if (!number || !generation || !parser.TakeKeyword("obj")) throw Damaged();
    object.number = *number;
    object.generation = *generation;
    object.value = parser.TakeObject(arrays);
    if (object.value.IsDictionary() && parser.TakeKeyword("stream")) {
      parser.SkipLineEnd();
      object.streamOffset = offset + static_cast<std::int64_t>(parser.Position());
    }
    object.end = offset + static_cast<std::int64_t>(parser.Position());
    return object;
  });
}

}  // namespace folidex::pdf
