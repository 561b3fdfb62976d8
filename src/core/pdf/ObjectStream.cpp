#include "core/pdf/ObjectStream.h"

#include <algorithm>

namespace folidex::pdf {
namespace {

// Real object streams hold a few hundred objects at most.
constexpr std::int64_t kMaxObjectsInStream = 1 << 20;

}  // namespace

template <typename Parse>
auto ObjectStream::ParseDecoded(std::size_t offset, Parse parse) {
  for (;;) {
    if (offset < data_.size() || !more_) {
      if (offset > data_.size()) throw PdfReadFailure::NotUnderstood;
      const std::string_view text = std::string_view(data_).substr(offset);
      try {
        PdfParser parser(text, !more_);
        auto result = parse(parser);
        file_.Budget().SpendWork(static_cast<std::int64_t>(parser.Position()));
        return result;
      } catch (const NeedMoreText&) {
        file_.Budget().SpendWork(static_cast<std::int64_t>(text.size()));
      }
    }
    // Twice the text from `offset` each time, so that parsing again costs no more than
    // decoding, but no more than that: the object sought is often the last one needed.
    const std::size_t wanted =
        offset + std::max<std::size_t>(4096, 2 * (data_.size() - std::min(offset, data_.size())));
    if (wanted > kMaxHeld) throw PdfReadFailure::OverLimit;
    more_ = decoder_.DecodeUntil(data_, wanted);
  }
}

ObjectStream::ObjectStream(PdfFile& file, const IndirectObject& stream, std::int64_t length,
                           std::unique_ptr<crypto::StreamDecryptor> decryptor)
    : file_(file), decoder_(file, stream, length, std::move(decryptor)) {
  const PdfObject& count = stream.value.Get("N");
  const PdfObject& first = stream.value.Get("First");
  if (!count.IsInteger() || !first.IsInteger() || count.number < 0 || first.number < 0) {
    throw PdfReadFailure::NotUnderstood;
  }
  // Each head takes at least four bytes ("n o "), so a larger /N cannot be true.
  if (count.number > std::min<std::int64_t>(first.number / 4 + 1, kMaxObjectsInStream)) {
    throw PdfReadFailure::NotUnderstood;
  }
  first_ = first.number;
  // The heads are kept as they are read, so their list never outgrows the data.
  ParseDecoded(0, [this, &count](PdfParser& heads) {
    heads_.clear();
    for (std::int64_t i = 0; i < count.number; ++i) {
      const std::optional<std::int64_t> objectNumber = heads.TakeUnsigned();
      const std::optional<std::int64_t> offset = heads.TakeUnsigned();
      if (!objectNumber || !offset) throw PdfReadFailure::NotUnderstood;
      heads_.emplace_back(*objectNumber, *offset);
    }
    return 0;
  });
}

PdfObject ObjectStream::Load(std::int64_t index, std::int64_t number, ArrayItems arrays) {
  std::size_t at = static_cast<std::size_t>(index);
  if (index < 0 || at >= heads_.size() || heads_[at].first != number) {
    for (at = 0; at < heads_.size() && heads_[at].first != number; ++at) {
    }
    if (at == heads_.size()) throw PdfReadFailure::NotUnderstood;
  }
  // Both are from the file: their sum may be beyond any offset.
  const std::int64_t relative = heads_[at].second;
  if (first_ > static_cast<std::int64_t>(kMaxHeld) || relative > static_cast<std::int64_t>(kMaxHeld)) {
    throw PdfReadFailure::NotUnderstood;
  }
  return ParseDecoded(static_cast<std::size_t>(first_ + relative),
                      [arrays](PdfParser& parser) { return parser.TakeObject(arrays); });
}

}  // namespace folidex::pdf
