#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/pdf/PdfObject.h"

namespace folidex::pdf {

// Thrown when a window of the file ends inside a token or an object while more of the
// file follows; the caller reads a larger window and parses again.
struct NeedMoreText {};

// Whether parsing an object keeps the items of its arrays. Skipped arrays are still read
// through to their end, but come back empty: counting pages mostly needs to know only that
// a /Kids array is there, and in a large document it lists thousands of pages. KidsOnly
// skips arrays too, and of a dictionary keeps only the /Kids and /Count entries: what
// telling a page from a page-tree node, and reading the node's count, needs, at a fraction
// of the cost of the whole page. PageBoxes keeps
// the entries that a page's size needs as well (/MediaBox, /CropBox, /Rotate, /UserUnit),
// with their arrays, but still skips the items of /Kids.
enum class ArrayItems { Keep, Skip, KidsOnly, PageBoxes };

// Reads PDF tokens and objects from a window of a file. Nesting and the number of values
// are bounded, so hostile input can exhaust neither the stack nor the memory. Throws
// Damaged() on malformed text, TooLarge() on an object with more values than the bound.
class PdfParser {
 public:
  // `complete` says that `text` runs to the end of the file.
  PdfParser(std::string_view text, bool complete) : text_(text), complete_(complete) {}

  std::size_t Position() const { return pos_; }
  // Skips white space and comments.
  void SkipSpace();
  // Skips spaces and tabs and then one end of line (CR LF, LF or CR).
  void SkipLineEnd();
  // Consumes `word` when it is the next token.
  bool TakeKeyword(std::string_view word);
  // Consumes the next token when it is an unsigned integer.
  std::optional<std::int64_t> TakeUnsigned();
  PdfObject TakeObject(ArrayItems arrays = ArrayItems::Keep) {
    arrays_ = arrays;
    skipArrays_ = arrays != ArrayItems::Keep;
    return TakeObject(0);
  }

 private:
  // True while unread text remains; throws NeedMoreText at the end of an incomplete window.
  bool More() const;
  char Next() const { return text_[pos_]; }
  std::string_view TakeRegularRun();
  PdfObject TakeObject(int depth);
  // Appends the next value to `array`: references to its packed list, the rest to its items.
  void TakeArrayItem(PdfObject& array, int depth);
  PdfObject TakeNumberOrReference(std::string_view token);
  PdfObject TakeName();
  PdfObject TakeReal(std::string_view token);
  // A literal string, from its opening parenthesis, with its escapes resolved.
  PdfObject TakeLiteralString();
  // Appends what the escape after a backslash stands for.
  void TakeEscape(std::string& bytes);
  // A hexadecimal string, after its "<".
  PdfObject TakeHexString();
  // Moves past the next value, building no object for an array or a name.
  void SkipValue(int depth);
  void SkipArrayItems(int depth);
  void SkipLiteralString();
  void SkipHexString();

  std::string_view text_;
  bool complete_;
  std::size_t pos_ = 0;
  std::size_t values_ = 0;
  ArrayItems arrays_ = ArrayItems::Keep;
  bool skipArrays_ = false;  // within the value being parsed
};

}  // namespace folidex::pdf
