#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/pdf/ObjectIndex.h"
#include "core/pdf/PdfFile.h"
#include "core/pdf/PdfObject.h"

namespace folidex::pdf {

// The index of a file whose cross-reference data cannot be used, rebuilt by scanning the
// whole file for object headers ("number generation obj"), as pdfinfo and mutool rebuild
// it. The objects inside the object streams it finds are indexed too. When a number is
// defined more than once, the last definition in the file wins, as an incremental update
// would have it (an object stream's objects stand where the stream does). The scan also
// keeps the /Root of every trailer and cross-reference stream it finds, and what each
// object is by its /Type. An object that cannot be read is indexed as well, so that reading
// it fails. Stream data is skipped up to its "endstream". The
// scan's work is charged to the file's budget; more objects than it holds are TooLarge().
class RecoveredIndex : public ObjectIndex {
 public:
  // What an object is, by its /Type.
  enum class Role : std::uint8_t { Other, Catalog, PageTreeNode, Page, ObjectStream };

  explicit RecoveredIndex(PdfFile& file);

  // The newest trailer dictionary found; empty without one.
  const PdfObject& Trailer() const override { return trailer_; }
  std::optional<XrefEntry> Find(std::int64_t number) const override;
  // The number of objects found.
  std::int64_t ObjectCapacity() const override { return static_cast<std::int64_t>(objects_.size()); }

  // The /Root references of the trailers and cross-reference streams found, newest first.
  std::vector<PdfObject> Roots() const;
  // References to the objects found that have `role`, newest first.
  std::vector<PdfObject> ObjectsWithRole(Role role) const;
  // What the object that `reference` leads to is; Other when it leads to none.
  Role RoleOf(const PdfObject& reference) const;

 private:
  struct Definition {
    std::int64_t number = 0;
    std::int64_t position = 0;     // where it stands in the file: an object stream's objects stand where it does
    std::int64_t offset = 0;       // in the file, where the object starts; in a stream, the stream's number
    std::uint32_t generation = 0;  // in the file, its generation; in a stream, its index there
    bool inStream = false;
    Role role = Role::Other;
  };

  void ScanFile();
  // Indexes the object whose header starts at `start` and returns where the scan goes on.
  std::int64_t TakeObject(std::int64_t start);
  // Keeps the trailer dictionary that follows the keyword at `start`.
  void TakeTrailer(std::int64_t start);
  void KeepTrailer(PdfObject dictionary);
  // Where the scan goes on after a stream: after its data when its /Length leads to
  // "endstream", else after the next "endstream"; where its data starts without one.
  std::int64_t AfterStream(const IndirectObject& stream);
  void Add(const Definition& definition);
  // Sorts the definitions by number and keeps the last of each.
  void KeepLastDefinitions();
  // Indexes the objects of the object streams found.
  void OpenObjectStreams();
  const Definition* Lookup(std::int64_t number) const;

  PdfFile& file_;
  std::vector<Definition> objects_;
  std::vector<std::uint64_t> roots_;  // packed references, oldest first
  PdfObject trailer_;
};

}  // namespace folidex::pdf
