#include "core/pdf/RecoveredIndex.h"

#include <algorithm>
#include <string_view>
#include <tuple>

#include "core/pdf/ObjectStream.h"
#include "core/pdf/PdfCharacters.h"
#include "core/pdf/PdfDocument.h"
#include "core/pdf/StreamEnd.h"
#include "core/pdf/XrefSectionSearch.h"

namespace folidex::pdf {
namespace {

// The file is scanned this much at a time; an object header may start this far before
// its "obj" keyword, and a keyword is seen in the window where it ends.
constexpr std::size_t kScanWindow = std::size_t{1} << 16;
constexpr std::int64_t kHeaderReach = 40;
constexpr std::string_view kObj = "obj";
constexpr std::string_view kTrailer = "trailer";
constexpr std::string_view kEndstream = "endstream";
// More objects than real documents hold; the index takes 32 bytes for each.
constexpr std::size_t kMaxObjects = std::size_t{1} << 20;
constexpr const char* kTooManyObjects = "more than 1,048,576 objects to recover";

RecoveredIndex::Role RoleOf(const PdfObject& value) {
  const PdfObject& type = value.Get("Type");
  if (type.IsName("Catalog")) return RecoveredIndex::Role::Catalog;
  if (type.IsName("Pages")) return RecoveredIndex::Role::PageTreeNode;
  if (type.IsName("Page")) return RecoveredIndex::Role::Page;
  if (type.IsName("ObjStm")) return RecoveredIndex::Role::ObjectStream;
  return RecoveredIndex::Role::Other;
}

// An object that cannot be read is left out of the index; a bound on the whole count (the
// file's budget spent), a cancel or a failing disk ends the recovery.
void RethrowUnlessObjectUnreadable(const CountFailure& failure, const ReadBudget& budget) {
  if (budget.Exhausted()) throw failure;
  if (!OtherReadersMayCount(failure) && failure.kind != CountFailure::Kind::TooLarge) throw failure;
}

bool ValidNumber(std::int64_t number, std::int64_t generation) {
  return number > 0 && number <= PdfObject::kMaxNumber && generation >= 0 && generation <= PdfObject::kMaxGeneration;
}

}  // namespace

RecoveredIndex::RecoveredIndex(PdfFile& file) : file_(file) {
  // An object in the file takes at least 16 bytes: room for as many as it can hold is set
  // aside at once, so that the index never grows by copying itself (only the room taken
  // is ever backed by memory).
  objects_.reserve(static_cast<std::size_t>(std::min<std::int64_t>(kMaxObjects, file.Size() / 16)));
  ScanFile();
  KeepLastDefinitions();
  OpenObjectStreams();
  KeepLastDefinitions();
}

void RecoveredIndex::ScanFile() {
  struct Hit {
    std::int64_t position;
    bool trailer;
  };
  std::vector<Hit> hits;
  std::int64_t resume = 0;
  for (std::int64_t at = 0; at < file_.Size();) {
    const std::int64_t windowStart = std::max<std::int64_t>(0, at - kHeaderReach);
    const std::string_view text = file_.Read(windowStart, kScanWindow);
    const bool last = windowStart + static_cast<std::int64_t>(text.size()) >= file_.Size();
    const std::size_t from = static_cast<std::size_t>(at - windowStart);
    const std::size_t stop = last ? text.size() : text.size() - kTrailer.size();
    file_.Budget().SpendWork(static_cast<std::int64_t>(stop - from));
    hits.clear();
    for (std::size_t obj = text.find(kObj, from); obj < stop; obj = text.find(kObj, obj + 1)) {
      if (obj + kObj.size() < text.size() && IsRegular(text[obj + kObj.size()])) continue;
      if (const std::optional<std::size_t> header = ObjectHeaderBefore(text, obj)) {
        hits.push_back({windowStart + static_cast<std::int64_t>(*header), false});
      }
    }
    for (std::size_t trailer = text.find(kTrailer, from); trailer < stop; trailer = text.find(kTrailer, trailer + 1)) {
      hits.push_back({windowStart + static_cast<std::int64_t>(trailer), true});
    }
    std::sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) { return a.position < b.position; });
    // The text goes stale once an object is read: the hits hold all that is needed of it.
    for (const Hit& hit : hits) {
      if (hit.position < resume) continue;
      if (hit.trailer) {
        TakeTrailer(hit.position);
        resume = hit.position + static_cast<std::int64_t>(kTrailer.size());
      } else {
        resume = TakeObject(hit.position);
      }
    }
    at = std::max(windowStart + static_cast<std::int64_t>(stop), resume);
  }
}

std::int64_t RecoveredIndex::TakeObject(std::int64_t start) {
  IndirectObject object;
  try {
    object = file_.ReadObjectAt(start, ArrayItems::Skip);
  } catch (const CountFailure& failure) {
    RethrowUnlessObjectUnreadable(failure, file_.Budget());
    // An object that is there but cannot be read is indexed all the same, as what the
    // newest definition of its number left: reading it fails again, and a page-tree kid
    // that leads to it is a damaged page rather than none.
    const auto [number, generation] = file_.ParseAt(start, [](PdfParser& header) {
      const std::optional<std::int64_t> number = header.TakeUnsigned();
      return std::pair{number.value_or(0), header.TakeUnsigned().value_or(-1)};
    });
    if (ValidNumber(number, generation)) Add({number, start, start, static_cast<std::uint32_t>(generation), false});
    return start + 1;
  }
  if (!ValidNumber(object.number, object.generation)) return object.end;
  const Role role = pdf::RoleOf(object.value);
  Add({object.number, start, start, static_cast<std::uint32_t>(object.generation), false, role});
  // The dictionary of a cross-reference stream is its trailer; its /ID is read again with
  // its arrays, which decrypting needs.
  if (object.value.Get("Type").IsName("XRef")) KeepTrailer(file_.ReadObjectAt(start).value);
  return object.streamOffset >= 0 ? AfterStream(object) : object.end;
}

void RecoveredIndex::TakeTrailer(std::int64_t start) {
  try {
    KeepTrailer(file_.ParseAt(start, [](PdfParser& parser) {
      parser.TakeKeyword(kTrailer);
      return parser.TakeObject();
    }));
  } catch (const CountFailure& failure) {
    RethrowUnlessObjectUnreadable(failure, file_.Budget());
  }
}

void RecoveredIndex::KeepTrailer(PdfObject dictionary) {
  if (!dictionary.IsDictionary()) return;
  const PdfObject& root = dictionary.Get("Root");
  if (root.kind == PdfObject::Kind::Reference && ValidNumber(root.number, root.generation)) {
    const std::uint64_t packed = PdfObject::Pack(root.number, root.generation);
    if (roots_.empty() || roots_.back() != packed) {
      if (roots_.size() == kMaxObjects) throw TooLarge("more than 1,048,576 trailers to recover");
      roots_.push_back(packed);
    }
  }
  trailer_ = std::move(dictionary);
}

std::int64_t RecoveredIndex::AfterStream(const IndirectObject& stream) {
  const PdfObject& length = stream.value.Get("Length");
  if (length.IsInteger() && length.number >= 0 && length.number <= file_.Size() - stream.streamOffset) {
    if (const std::optional<std::int64_t> end = EndOfEndstream(file_, stream.streamOffset + length.number)) return *end;
  }
  // A /Length in another object, or a wrong one: the data ends at the next "endstream".
  // Most streams are short: the first look takes a few KiB, each further one more.
  std::size_t window = 4096;
  for (std::int64_t at = stream.streamOffset; at < file_.Size(); window = std::min(kScanWindow, 4 * window)) {
    const std::string_view text = file_.Read(at, window);
    const std::size_t found = text.find(kEndstream);
    file_.Budget().SpendWork(static_cast<std::int64_t>(found == std::string_view::npos ? text.size() : found));
    if (found != std::string_view::npos) return at + static_cast<std::int64_t>(found + kEndstream.size());
    if (at + static_cast<std::int64_t>(text.size()) >= file_.Size()) break;
    at += static_cast<std::int64_t>(text.size() - kEndstream.size());
  }
  return stream.streamOffset;
}

void RecoveredIndex::Add(const Definition& definition) {
  if (objects_.size() == kMaxObjects) throw TooLarge(kTooManyObjects);
  objects_.push_back(definition);
}

void RecoveredIndex::KeepLastDefinitions() {
  std::sort(objects_.begin(), objects_.end(), [](const Definition& a, const Definition& b) {
    return std::tie(a.number, a.position, a.generation) < std::tie(b.number, b.position, b.generation);
  });
  const auto newer = [](const Definition& a, const Definition& b) { return a.number == b.number; };
  // The last of each run of one number is the newest: reversed, std::unique keeps it.
  std::reverse(objects_.begin(), objects_.end());
  objects_.erase(std::unique(objects_.begin(), objects_.end(), newer), objects_.end());
  std::reverse(objects_.begin(), objects_.end());
}

void RecoveredIndex::OpenObjectStreams() {
  std::vector<Definition> streams;
  for (const Definition& object : objects_) {
    if (object.role == Role::ObjectStream && !object.inStream) streams.push_back(object);
  }
  PdfDocument document(file_, *this);
  std::vector<Definition> members;  // added once every stream is read: lookups need the index sorted
  for (const Definition& stream : streams) {
    try {
      // The document decrypts the streams of an encrypted file, with the newest trailer's keys.
      ObjectStream& contents = document.OpenObjectStream(stream.number);
      for (std::size_t index = 0; index < contents.ObjectCount(); ++index) {
        const std::int64_t number = contents.ObjectNumber(index);
        if (!ValidNumber(number, 0)) continue;
        PdfObject value;
        try {
          value = contents.Load(static_cast<std::int64_t>(index), number, ArrayItems::Skip);
        } catch (const CountFailure& failure) {
          RethrowUnlessObjectUnreadable(failure, file_.Budget());
          continue;
        }
        if (members.size() == kMaxObjects) throw TooLarge(kTooManyObjects);
        members.push_back(
            {number, stream.position, stream.number, static_cast<std::uint32_t>(index), true, pdf::RoleOf(value)});
      }
    } catch (const CountFailure& failure) {
      if (!OtherReadersMayCount(failure)) throw;
    }
  }
  for (const Definition& member : members) Add(member);
}

const RecoveredIndex::Definition* RecoveredIndex::Lookup(std::int64_t number) const {
  const auto found =
      std::lower_bound(objects_.begin(), objects_.end(), number,
                       [](const Definition& object, std::int64_t wanted) { return object.number < wanted; });
  return found != objects_.end() && found->number == number ? &*found : nullptr;
}

std::optional<XrefEntry> RecoveredIndex::Find(std::int64_t number) const {
  const Definition* object = Lookup(number);
  if (object == nullptr) return std::nullopt;
  return XrefEntry{object->inStream ? XrefEntry::Type::InObjectStream : XrefEntry::Type::InFile, object->offset,
                   object->generation};
}

RecoveredIndex::Role RecoveredIndex::RoleOf(const PdfObject& reference) const {
  if (reference.kind != PdfObject::Kind::Reference) return Role::Other;
  const Definition* object = Lookup(reference.number);
  if (object == nullptr || reference.generation != (object->inStream ? 0 : object->generation)) return Role::Other;
  return object->role;
}

std::vector<PdfObject> RecoveredIndex::Roots() const {
  std::vector<PdfObject> roots;
  for (auto root = roots_.rbegin(); root != roots_.rend(); ++root) roots.push_back(PdfObject::Unpack(*root));
  return roots;
}

std::vector<PdfObject> RecoveredIndex::ObjectsWithRole(Role role) const {
  std::vector<const Definition*> found;
  for (const Definition& object : objects_) {
    if (object.role == role) found.push_back(&object);
  }
  std::sort(found.begin(), found.end(),
            [](const Definition* a, const Definition* b) { return a->position > b->position; });
  std::vector<PdfObject> references;
  for (const Definition* object : found) {
    references.push_back(PdfObject::Unpack(PdfObject::Pack(object->number, object->inStream ? 0 : object->generation)));
  }
  return references;
}

}  // namespace folidex::pdf
