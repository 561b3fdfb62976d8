#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/pdf/ObjectIndex.h"
#include "core/pdf/PdfFile.h"
#include "core/pdf/PdfObject.h"

namespace folidex::pdf {

// Objects `first` to `first + count - 1` of a cross-reference section.
struct XrefRange {
  std::int64_t first = 0;
  std::int64_t count = 0;
  std::int64_t start = 0;  // in a table, where its first entry starts; in a stream, its first row
};

// The decoded rows of a cross-reference stream.
struct XrefStreamTable {
  std::string rows;
  int widths[3] = {0, 0, 0};
  std::vector<XrefRange> ranges;
};

// The cross-reference sections of a file, newest first: classic tables (read one 20-byte
// entry at a time, never as a whole), cross-reference streams and hybrid files with both,
// following /Prev back through the incremental updates. A /Prev that leads back to a
// section already read ends the chain. When "startxref" is missing, past the end of the
// file or leads to no section, the last section at the end of the file is the newest.
class CrossReference : public ObjectIndex {
 public:
  explicit CrossReference(PdfFile& file);

  // The trailer dictionary of the newest section.
  const PdfObject& Trailer() const override { return trailer_; }
  // The entry the newest section listing object `number` gives it; nothing when no section does.
  std::optional<XrefEntry> Find(std::int64_t number) const override;
  // How many objects the cross-reference data can address.
  std::int64_t ObjectCapacity() const override { return capacity_; }

 private:
  using Range = XrefRange;
  using StreamTable = XrefStreamTable;
  struct Section {
    std::vector<Range> table;
    std::optional<StreamTable> stream;
  };

  // Reads the section at `offset` into `section` and returns its trailer dictionary.
  PdfObject ReadSection(std::int64_t offset, Section& section);
  // Reads the section at `offset`, older than those read so far, and returns its trailer.
  PdfObject ReadOlderSection(std::int64_t offset);
  PdfObject ReadTable(std::int64_t offset, Section& section);
  // Reads the cross-reference stream object at `offset` and returns its dictionary.
  PdfObject ReadStreamTable(std::int64_t offset, StreamTable& table);
  // Sorts the ranges of one section for lookup and adds them to the capacity.
  void IndexRanges(std::vector<Range>& ranges);
  static const Range* RangeHolding(const std::vector<Range>& ranges, std::int64_t number);
  std::optional<XrefEntry> FindInTable(const std::vector<Range>& table, std::int64_t number) const;
  static std::optional<XrefEntry> FindInStream(const StreamTable& stream, std::int64_t number);

  PdfFile& file_;
  std::vector<Section> sections_;
  PdfObject trailer_;
  std::int64_t capacity_ = 0;
  std::size_t heldRows_ = 0;  // bytes of stream rows held over all sections
};

}  // namespace folidex::pdf
