#include "core/pdf/CrossReference.h"

#include <algorithm>
#include <set>

#include "core/pdf/StreamDecoder.h"
#include "core/pdf/XrefSectionSearch.h"

namespace folidex::pdf {
namespace {

constexpr std::int64_t kEntrySize = 20;   // "nnnnnnnnnn ggggg n\r\n"
constexpr std::int64_t kTailSize = 1024;  // where "startxref" must be
constexpr std::int64_t kTailRead = 8192;
constexpr std::int64_t kEndSearch = std::int64_t{16} << 20;
constexpr std::int64_t kMaxObjectNumber = std::int64_t{1} << 40;

// The offset that follows a "startxref" keyword; nothing when it is no offset in the file.
std::optional<std::int64_t> OffsetAfterKeyword(std::string_view after, std::int64_t fileSize) {
  PdfParser parser(after, true);
  const std::optional<std::int64_t> offset = parser.TakeUnsigned();
  if (!offset || *offset >= fileSize) return std::nullopt;
  return offset;
}

// True when `text`, what follows a "startxref" further back than the usual tail, is that
// keyword's offset and "%%EOF" followed by data that holds no object: junk appended to a
// whole file (comments, padding), not part of a lost update.
bool OnlyJunkAfterEnd(std::string_view text) {
  const std::size_t end = text.find("%%EOF");
  return end != std::string_view::npos && end < 32 && text.find(" obj", end) == std::string_view::npos;
}

// The end of the file where "startxref" and the last sections are looked for, charged to
// the budget as text scanned.
std::pair<std::string_view, std::int64_t> FileEnd(PdfFile& file) {
  const std::int64_t start = std::max<std::int64_t>(0, file.Size() - kEndSearch);
  const std::string_view end = file.Read(start, static_cast<std::size_t>(kEndSearch));
  file.Budget().SpendWork(static_cast<std::int64_t>(end.size()));
  return {end, start};
}

// Where "startxref" says the newest cross-reference section starts: after the last such
// keyword in the tail, or after one that junk appended to the file pushed further back. A
// section after the keyword belongs to an update whose own end was cut off. Nothing
// without the keyword, or when its offset is past the end of the file.
std::optional<std::int64_t> NamedSection(PdfFile& file) {
  // One read of a few KiB takes the cross-reference data of most files along with the tail.
  const std::int64_t blockStart = std::max<std::int64_t>(0, file.Size() - kTailRead);
  const std::string_view block = file.Read(blockStart, kTailRead);
  const std::int64_t tailStart = std::max<std::int64_t>(0, file.Size() - kTailSize);
  const std::string_view tail = block.substr(static_cast<std::size_t>(tailStart - blockStart));
  if (const std::size_t keyword = tail.rfind("startxref"); keyword != std::string_view::npos) {
    const std::string_view after = tail.substr(keyword + 9);
    if (const std::optional<std::size_t> cutUpdate = FindLastXrefSection(after)) {
      return tailStart + static_cast<std::int64_t>(keyword + 9 + *cutUpdate);
    }
    return OffsetAfterKeyword(after, file.Size());
  }
  const auto [end, endStart] = FileEnd(file);
  const std::size_t keyword = end.rfind("startxref");
  if (keyword == std::string_view::npos || !OnlyJunkAfterEnd(end.substr(keyword + 9))) return std::nullopt;
  return OffsetAfterKeyword(end.substr(keyword + 9), file.Size());
}

// Where the last cross-reference section in the end of the file starts, for a file whose
// "startxref" was lost or leads nowhere.
std::int64_t LastSectionAtEnd(PdfFile& file) {
  const auto [end, endStart] = FileEnd(file);
  const std::optional<std::size_t> section = FindLastXrefSection(end);
  if (!section) throw Damaged();
  return endStart + static_cast<std::int64_t>(*section);
}

std::optional<std::int64_t> Digits(std::string_view text) {
  std::int64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::uint64_t BigEndian(const char* bytes, int width) {
  std::uint64_t value = 0;
  for (int i = 0; i < width; ++i) value = (value << 8) | static_cast<unsigned char>(bytes[i]);
  return value;
}

// More incremental updates than real files carry; qpdf, which merges them once, takes such a file.
constexpr std::size_t kMaxSections = 512;
// What the rows of all cross-reference streams may take: a million objects take about 7 MiB.
constexpr std::size_t kMaxHeldRows = std::size_t{16} << 20;

bool ValidRange(std::int64_t first, std::int64_t count) {
  return first >= 0 && count >= 0 && first < kMaxObjectNumber && count < kMaxObjectNumber;
}

}  // namespace

CrossReference::CrossReference(PdfFile& file) : file_(file) {
  std::int64_t offset = -1;
  Section newest;
  if (const std::optional<std::int64_t> named = NamedSection(file)) {
    try {
      trailer_ = ReadSection(*named, newest);
      offset = *named;
    } catch (const CountFailure& failure) {
      if (!OtherReadersMayCount(failure)) throw;
      newest = {};
      capacity_ = 0;
      heldRows_ = 0;
    }
  }
  // "startxref" leads nowhere: the newest section is the last one in the file.
  if (offset < 0) {
    offset = LastSectionAtEnd(file);
    trailer_ = ReadSection(offset, newest);
  }
  sections_.push_back(std::move(newest));
  std::set<std::int64_t> visited{offset};
  for (PdfObject previous = trailer_.Get("Prev");; previous = ReadOlderSection(previous.number).Get("Prev")) {
    if (previous.kind == PdfObject::Kind::Null) break;
    if (!previous.IsInteger() || previous.number < 0 || previous.number >= file.Size()) {
      throw Damaged();
    }
    if (!visited.insert(previous.number).second) break;
    if (sections_.size() == kMaxSections) throw Damaged();
  }
}

PdfObject CrossReference::ReadOlderSection(std::int64_t offset) {
  Section section;
  PdfObject trailer = ReadSection(offset, section);
  sections_.push_back(std::move(section));
  return trailer;
}

PdfObject CrossReference::ReadSection(std::int64_t offset, Section& section) {
  std::int64_t tableStart = -1;
  file_.ParseAt(offset, [&](PdfParser& parser) {
    if (parser.TakeKeyword("xref")) tableStart = offset + static_cast<std::int64_t>(parser.Position());
    return 0;
  });
  if (tableStart < 0) {
    section.stream.emplace();
    return ReadStreamTable(offset, *section.stream);
  }
  PdfObject trailer = ReadTable(tableStart, section);
  // A hybrid file lists its compressed objects again in a cross-reference stream.
  const PdfObject& hybrid = trailer.Get("XRefStm");
  if (hybrid.kind != PdfObject::Kind::Null) {
    if (!hybrid.IsInteger() || hybrid.number < 0 || hybrid.number >= file_.Size()) {
      throw Damaged();
    }
    section.stream.emplace();
    ReadStreamTable(hybrid.number, *section.stream);
  }
  return trailer;
}

PdfObject CrossReference::ReadTable(std::int64_t offset, Section& section) {
  for (std::int64_t at = offset;;) {
    PdfObject trailer;
    Range range;
    file_.ParseAt(at, [&](PdfParser& parser) {
      if (parser.TakeKeyword("trailer")) {
        trailer = parser.TakeObject();
        return 0;
      }
      const std::optional<std::int64_t> first = parser.TakeUnsigned();
      const std::optional<std::int64_t> count = parser.TakeUnsigned();
      if (!first || !count) throw Damaged();
      parser.SkipLineEnd();
      range = {*first, *count, at + static_cast<std::int64_t>(parser.Position())};
      return 0;
    });
    if (trailer.IsDictionary()) {
      IndexRanges(section.table);
      return trailer;
    }
    if (trailer.kind != PdfObject::Kind::Null || !ValidRange(range.first, range.count) ||
        range.count > (file_.Size() - range.start) / kEntrySize) {
      throw Damaged();
    }
    section.table.push_back(range);
    at = range.start + range.count * kEntrySize;
  }
}

PdfObject CrossReference::ReadStreamTable(std::int64_t offset, StreamTable& table) {
  IndirectObject object = file_.ReadObjectAt(offset);
  const PdfObject& dictionary = object.value;
  const PdfObject& length = dictionary.Get("Length");
  const PdfObject& widths = dictionary.Get("W");
  const PdfObject& size = dictionary.Get("Size");
  if (!dictionary.Get("Type").IsName("XRef") || !length.IsInteger() || !size.IsInteger() || !widths.IsArray() ||
      widths.items.size() != 3) {
    throw Damaged();
  }
  int rowSize = 0;
  for (int i = 0; i < 3; ++i) {
    const PdfObject& width = widths.items[i];
    if (!width.IsInteger() || width.number < 0 || width.number > 8) throw Damaged();
    table.widths[i] = static_cast<int>(width.number);
    rowSize += table.widths[i];
  }
  if (rowSize == 0) throw Damaged();
  StreamDecoder(file_, object, length.number).DecodeAll(table.rows, kMaxHeldRows - heldRows_);
  heldRows_ += table.rows.size();

  std::vector<std::int64_t> bounds{0, size.number};
  const PdfObject& index = dictionary.Get("Index");
  if (index.kind != PdfObject::Kind::Null) {
    if (!index.IsArray() || index.items.size() % 2 != 0) throw Damaged();
    bounds.clear();
    for (const PdfObject& bound : index.items) {
      if (!bound.IsInteger()) throw Damaged();
      bounds.push_back(bound.number);
    }
  }
  const std::int64_t rows = static_cast<std::int64_t>(table.rows.size()) / rowSize;
  std::int64_t row = 0;
  for (std::size_t i = 0; i < bounds.size(); i += 2) {
    if (!ValidRange(bounds[i], bounds[i + 1]) || bounds[i + 1] > rows - row) throw Damaged();
    table.ranges.push_back({bounds[i], bounds[i + 1], row});
    row += bounds[i + 1];
  }
  IndexRanges(table.ranges);
  return std::move(object.value);
}

void CrossReference::IndexRanges(std::vector<Range>& ranges) {
  std::erase_if(ranges, [](const Range& range) { return range.count == 0; });
  std::sort(ranges.begin(), ranges.end(), [](const Range& a, const Range& b) { return a.first < b.first; });
  for (std::size_t i = 0; i < ranges.size(); ++i) {
    // A section that lists an object twice is damaged.
    if (i > 0 && ranges[i].first < ranges[i - 1].first + ranges[i - 1].count) throw Damaged();
    capacity_ = std::max(capacity_, ranges[i].first + ranges[i].count);
  }
}

const CrossReference::Range* CrossReference::RangeHolding(const std::vector<Range>& ranges, std::int64_t number) {
  auto after = std::upper_bound(ranges.begin(), ranges.end(), number,
                                [](std::int64_t wanted, const Range& range) { return wanted < range.first; });
  if (after == ranges.begin()) return nullptr;
  const Range& range = *(after - 1);
  return number - range.first < range.count ? &range : nullptr;
}

std::optional<XrefEntry> CrossReference::Find(std::int64_t number) const {
  for (const Section& section : sections_) {
    const std::optional<XrefEntry> inTable = FindInTable(section.table, number);
    if (inTable && inTable->type != XrefEntry::Type::Free) return inTable;
    // A hybrid file marks its compressed objects free in the table.
    if (section.stream) {
      if (const std::optional<XrefEntry> inStream = FindInStream(*section.stream, number)) return inStream;
    }
    if (inTable) return inTable;
  }
  return std::nullopt;
}

std::optional<XrefEntry> CrossReference::FindInTable(const std::vector<Range>& table, std::int64_t number) const {
  const Range* range = RangeHolding(table, number);
  if (range == nullptr) return std::nullopt;
  const std::string_view entry = file_.Read(range->start + (number - range->first) * kEntrySize, kEntrySize);
  if (entry.size() < 18 || entry[10] != ' ' || entry[16] != ' ' || (entry[17] != 'n' && entry[17] != 'f')) {
    throw Damaged();
  }
  const std::optional<std::int64_t> offset = Digits(entry.substr(0, 10));
  const std::optional<std::int64_t> generation = Digits(entry.substr(11, 5));
  if (!offset || !generation) throw Damaged();
  if (entry[17] == 'f') return XrefEntry{};
  return XrefEntry{XrefEntry::Type::InFile, *offset, *generation};
}

std::optional<XrefEntry> CrossReference::FindInStream(const StreamTable& stream, std::int64_t number) {
  const int rowSize = stream.widths[0] + stream.widths[1] + stream.widths[2];
  const Range* range = RangeHolding(stream.ranges, number);
  if (range == nullptr) return std::nullopt;
  const char* row = stream.rows.data() + (range->start + number - range->first) * rowSize;
  // Without a type field every entry is an object in the file.
  const std::uint64_t type = stream.widths[0] == 0 ? 1 : BigEndian(row, stream.widths[0]);
  const std::uint64_t second = BigEndian(row + stream.widths[0], stream.widths[1]);
  const std::uint64_t third = BigEndian(row + stream.widths[0] + stream.widths[1], stream.widths[2]);
  if (second > static_cast<std::uint64_t>(kMaxObjectNumber) || third > static_cast<std::uint64_t>(kMaxObjectNumber)) {
    throw Damaged();
  }
  const auto second64 = static_cast<std::int64_t>(second), third64 = static_cast<std::int64_t>(third);
  if (type == 1) return XrefEntry{XrefEntry::Type::InFile, second64, third64};
  if (type == 2) return XrefEntry{XrefEntry::Type::InObjectStream, second64, third64};
  return XrefEntry{};  // free, or a type this reader does not know: a null object
}

}  // namespace folidex::pdf
