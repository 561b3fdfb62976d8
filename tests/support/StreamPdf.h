#pragma once

#include <cstddef>
#include <map>
#include <set>
#include <string>

namespace folidex::test {

// Writes a PDF whose cross-reference is a stream (W [1 4 2], no filter), with some objects
// packed into one object stream. A hybrid file keeps a classic table as well, which marks
// the packed objects free and points at the stream with /XRefStm.
struct StreamPdf {
  std::map<int, std::string> loose;   // objects written in the file
  std::map<int, std::string> packed;  // objects inside the object stream
  bool hybrid = false;
  // When set, Flate data that replaces the object stream's or the cross-reference
  // stream's own contents (to build decompression bombs).
  std::string objectStreamFlate;
  std::string xrefStreamFlate;
  // Entries added at the end of the object stream's and the cross-reference stream's
  // dictionaries (where they override earlier ones).
  std::string objectStreamExtra;
  std::string xrefStreamExtra;

  std::string Build(int rootNumber) const;
  // The object stream's contents: the heads, then the packed objects.
  std::string PackedData() const;
};

// A catalog (1) and a page-tree root (2) over `pages` Letter pages (3, 4, ...), with `count`
// as its /Count (the number of pages when empty).
std::map<int, std::string> SmallTree(int pages, const std::string& count = {});

// SmallTree(pages) with the objects `packed` in the object stream, the others loose.
StreamPdf PackedTree(int pages, const std::set<int>& packed);

// `data` as Flate data (with its zlib header and checksum).
std::string Deflated(const std::string& data);

// Flate data that inflates to `prefix` followed by `size` zero bytes.
std::string DeflatedZeros(std::size_t size, const std::string& prefix = {});

}  // namespace folidex::test
