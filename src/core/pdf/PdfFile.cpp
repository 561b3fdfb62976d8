#include "core/pdf/PdfFile.h"

#include <algorithm>

namespace folidex::pdf {

std::string_view PdfFile::Read(std::int64_t offset, std::size_t length) {
  if (offset < 0 || offset > Size()) throw PdfReadFailure::NotUnderstood;
  const std::int64_t end = std::min<std::int64_t>(Size(), offset + static_cast<std::int64_t>(length));
  const auto holds = [&](const Block& block) {
    const std::int64_t blockEnd = block.start + static_cast<std::int64_t>(block.bytes.size());
    return block.start >= 0 && offset >= block.start && end <= blockEnd;
  };
  int slot = holds(blocks_[lastUsed_]) ? lastUsed_ : 1 - lastUsed_;
  if (!holds(blocks_[slot])) {
    slot = 1 - lastUsed_;
    Block& block = blocks_[slot];
    const std::int64_t wanted = std::min<std::int64_t>(Size() - offset, std::max(length, kFirstWindow));
    budget_.SpendRead(wanted);
    block.bytes.resize(static_cast<std::size_t>(wanted));
    block.start = -1;
    if (source_.ReadAt(offset, block.bytes.data(), block.bytes.size()) != block.bytes.size()) {
      throw PdfReadFailure::NotUnderstood;
    }
    block.start = offset;
  }
  lastUsed_ = slot;
  const Block& block = blocks_[slot];
  return std::string_view(block.bytes)
      .substr(static_cast<std::size_t>(offset - block.start), static_cast<std::size_t>(end - offset));
}

IndirectObject PdfFile::ReadObjectAt(std::int64_t offset, ArrayItems arrays) {
  return ParseAt(offset, [offset, arrays](PdfParser& parser) {
    IndirectObject object;
    const auto number = parser.TakeUnsigned();
    const auto generation = parser.TakeUnsigned();
    if (!number || !generation || !parser.TakeKeyword("obj")) throw PdfReadFailure::NotUnderstood;
    object.number = *number;
    object.generation = *generation;
    object.value = parser.TakeObject(arrays);
    if (object.value.IsDictionary() && parser.TakeKeyword("stream")) {
      parser.SkipLineEnd();
      object.streamOffset = offset + static_cast<std::int64_t>(parser.Position());
    }
    return object;
  });
}

std::string PdfFile::ReadStreamData(const IndirectObject& object, std::int64_t length) {
  if (object.streamOffset < 0 || length < 0 || length > Size() - object.streamOffset) {
    throw PdfReadFailure::NotUnderstood;
  }
  constexpr std::size_t kEndRoom = 32;
  const std::string_view text = Read(object.streamOffset, static_cast<std::size_t>(length) + kEndRoom);
  // "endstream" must follow the data, unless the file ends inside that keyword: then it was
  // cut short just after complete data.
  std::string_view rest = text.substr(static_cast<std::size_t>(length));
  rest.remove_prefix(std::min(rest.find_first_not_of(" \t\r\n\f"), rest.size()));
  constexpr std::string_view kEnd = "endstream";
  const bool cutInEnd = rest.size() < kEnd.size() && kEnd.starts_with(rest) &&
                        object.streamOffset + static_cast<std::int64_t>(text.size()) == Size();
  if (!rest.starts_with(kEnd) && !cutInEnd) throw PdfReadFailure::NotUnderstood;
  return std::string(text.substr(0, static_cast<std::size_t>(length)));
}

}  // namespace folidex::pdf
