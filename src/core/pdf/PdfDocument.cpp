#include "core/pdf/PdfDocument.h"

#include <algorithm>

namespace folidex::pdf {
namespace {

// References to references are legal but rare; a longer chain is taken for a loop.
constexpr int kMaxReferenceChain = 8;
// What the object streams kept open may hold together, besides the one in use, and how
// many stay open (each keeps its decompressor's state).
constexpr std::size_t kMaxHeldStreams = std::size_t{16} << 20;
constexpr std::size_t kMaxOpenStreams = 32;

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
  file_.Budget().SpendObject();
  const std::optional<XrefEntry> entry = xref_.Find(number);
  if (!entry || entry->type == XrefEntry::Type::Free) return PdfObject{};
  if (entry->type == XrefEntry::Type::InObjectStream) {
    if (generation != 0) throw PdfReadFailure::NotUnderstood;
    return OpenObjectStream(entry->offset).Load(entry->generation, number, arrays);
  }
  // An object that is not where the cross-reference says means damaged data.
  IndirectObject object = file_.ReadObjectAt(entry->offset, arrays);
  if (entry->generation != generation || object.number != number || object.generation != generation) {
    throw PdfReadFailure::NotUnderstood;
  }
  return std::move(object.value);
}

ObjectStream& PdfDocument::OpenObjectStream(std::int64_t number) {
  const auto open = std::find_if(objectStreams_.begin(), objectStreams_.end(),
                                 [number](const OpenStream& stream) { return stream.number == number; });
  if (open != objectStreams_.end()) {
    open->lastUse = ++streamUses_;
    return *open->stream;
  }
  // A stream whose /Length lives in itself (or in a stream that needs this one) can never open.
  if (!objectStreamsOpening_.insert(number).second) throw PdfReadFailure::NotUnderstood;

  const std::optional<XrefEntry> entry = xref_.Find(number);
  if (!entry || entry->type != XrefEntry::Type::InFile) throw PdfReadFailure::NotUnderstood;
  const IndirectObject object = file_.ReadObjectAt(entry->offset);
  PdfObject loadedLength;
  const PdfObject& length = Resolve(object.value.Get("Length"), loadedLength);
  if (object.number != number || !object.value.Get("Type").IsName("ObjStm") || !length.IsInteger()) {
    throw PdfReadFailure::NotUnderstood;
  }
  CloseStreamsOverLimit();
  objectStreams_.push_back(
      {number, ++streamUses_,
       std::make_unique<ObjectStream>(file_, object, length.number, DecryptorFor(object.number, object.generation))});
  objectStreamsOpening_.erase(number);
  return *objectStreams_.back().stream;
}

std::unique_ptr<crypto::StreamDecryptor> PdfDocument::DecryptorFor(std::int64_t number, std::int64_t generation) {
  const PdfObject& encrypt = Trailer().Get("Encrypt");
  if (encrypt.kind == PdfObject::Kind::Null) return nullptr;
  if (!security_) {
    // The encryption dictionary is never inside an object stream, whose data it decrypts.
    if (encrypt.kind == PdfObject::Kind::Reference) {
      const std::optional<XrefEntry> entry = xref_.Find(encrypt.number);
      if (!entry || entry->type != XrefEntry::Type::InFile) throw PdfReadFailure::NotUnderstood;
    }
    PdfObject loadedEncrypt, loadedId;
    const PdfObject& dictionary = Resolve(encrypt, loadedEncrypt);
    // The first string of the file identifier; a file without one is encrypted with an empty one.
    const PdfObject& ids = Trailer().Get("ID");
    const PdfObject& id = ids.IsArray() && !ids.items.empty() ? ids.items.front() : loadedId;
    security_.emplace(dictionary, id.text);
  }
  return security_->ForStream(number, generation);
}

void PdfDocument::CloseStreamsOverLimit() {
  const auto held = [this] {
    std::size_t total = 0;
    for (const OpenStream& open : objectStreams_) total += open.stream->HeldBytes();
    return total;
  };
  while (objectStreams_.size() >= kMaxOpenStreams || (!objectStreams_.empty() && held() > kMaxHeldStreams)) {
    objectStreams_.erase(
        std::min_element(objectStreams_.begin(), objectStreams_.end(),
                         [](const OpenStream& a, const OpenStream& b) { return a.lastUse < b.lastUse; }));
  }
}

}  // namespace folidex::pdf
