#include "core/pdf/PdfDocument.h"

#include <algorithm>

#include "core/pdf/StreamDecoder.h"

namespace folidex::pdf {
namespace {

// References to references are legal but rare; a longer chain is taken for a loop.
constexpr int kMaxReferenceChain = 8;
constexpr std::int64_t kMaxObjectsInStream = 1 << 20;

}  // namespace

const PdfObject& PdfDocument::Resolve(const PdfObject& object, PdfObject& loaded, ArrayItems arrays) {
  if (object.kind != PdfObject::Kind::Reference) return object;
  loaded = Load(object.number, object.generation, arrays);
  for (int chain = 1; loaded.kind == PdfObject::Kind::Reference; ++chain) {
    if (chain == kMaxReferenceChain) throw PdfReadFailure::NotUnderstood;
    loaded = Load(loaded.number, loaded.generation, arrays);
  }
  return loaded;
}

PdfObject PdfDocument::Load(std::int64_t number, std::int64_t generation, ArrayItems arrays) {
  const std::optional<XrefEntry> entry = xref_.Find(number);
  if (!entry || entry->type == XrefEntry::Type::Free) return PdfObject{};
  if (entry->type == XrefEntry::Type::InObjectStream) {
    if (generation != 0) throw PdfReadFailure::NotUnderstood;
    return LoadFromObjectStream(entry->offset, entry->generation, number, arrays);
  }
  // An object that is not where the cross-reference says means damaged data.
  IndirectObject object = file_.ReadObjectAt(entry->offset, arrays);
  if (entry->generation != generation || object.number != number || object.generation != generation) {
    throw PdfReadFailure::NotUnderstood;
  }
  return std::move(object.value);
}

PdfObject PdfDocument::LoadFromObjectStream(std::int64_t stream, std::int64_t index, std::int64_t number,
                                            ArrayItems arrays) {
  const ObjectStream& objects = OpenObjectStream(stream);
  std::size_t at = static_cast<std::size_t>(index);
  if (index < 0 || at >= objects.heads.size() || objects.heads[at].first != number) {
    for (at = 0; at < objects.heads.size() && objects.heads[at].first != number; ++at) {
    }
    if (at == objects.heads.size()) throw PdfReadFailure::NotUnderstood;
  }
  const std::int64_t offset = objects.first + objects.heads[at].second;
  if (offset >= static_cast<std::int64_t>(objects.data.size())) throw PdfReadFailure::NotUnderstood;
  PdfParser parser(std::string_view(objects.data).substr(static_cast<std::size_t>(offset)), true);
  PdfObject object = parser.TakeObject(arrays);
  file_.Budget().SpendRead(static_cast<std::int64_t>(parser.Position()));
  return object;
}

const PdfDocument::ObjectStream& PdfDocument::OpenObjectStream(std::int64_t number) {
  if (const auto found = objectStreams_.find(number); found != objectStreams_.end()) return found->second;
  // Object streams are encrypted with the rest of the document; qpdf decrypts them.
  if (Trailer().Get("Encrypt").kind != PdfObject::Kind::Null) throw PdfReadFailure::NotUnderstood;
  // A stream whose /Length lives in itself (or in a stream that needs this one) can never open.
  if (!objectStreamsOpening_.insert(number).second) throw PdfReadFailure::NotUnderstood;

  const std::optional<XrefEntry> entry = xref_.Find(number);
  if (!entry || entry->type != XrefEntry::Type::InFile) throw PdfReadFailure::NotUnderstood;
  const IndirectObject object = file_.ReadObjectAt(entry->offset);
  const PdfObject& dictionary = object.value;
  const PdfObject& count = dictionary.Get("N");
  const PdfObject& first = dictionary.Get("First");
  PdfObject loadedLength;
  const PdfObject& length = Resolve(dictionary.Get("Length"), loadedLength);
  if (object.number != number || !dictionary.Get("Type").IsName("ObjStm") || !count.IsInteger() || !first.IsInteger() ||
      !length.IsInteger() || count.number < 0 || first.number < 0) {
    throw PdfReadFailure::NotUnderstood;
  }
  ObjectStream objects;
  objects.data = DecodeStream(dictionary, file_.ReadStreamData(object, length.number), file_.Budget());
  objects.first = first.number;
  // Each head takes at least four bytes ("n o "), so a larger /N cannot be true; real
  // object streams hold a few hundred objects at most.
  if (count.number > std::min<std::int64_t>(first.number / 4 + 1, kMaxObjectsInStream)) {
    throw PdfReadFailure::NotUnderstood;
  }
  PdfParser heads(objects.data, true);
  for (std::int64_t i = 0; i < count.number; ++i) {
    const std::optional<std::int64_t> objectNumber = heads.TakeUnsigned();
    const std::optional<std::int64_t> offset = heads.TakeUnsigned();
    if (!objectNumber || !offset) throw PdfReadFailure::NotUnderstood;
    objects.heads.emplace_back(*objectNumber, *offset);
  }
  objectStreamsOpening_.erase(number);
  return objectStreams_.emplace(number, std::move(objects)).first->second;
}

}  // namespace folidex::pdf
