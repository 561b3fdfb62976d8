#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace folidex::pdf {

// One parsed PDF value. Strings and real numbers keep only their kind: counting pages
// never needs their contents.
struct PdfObject {
  enum class Kind { Null, Boolean, Integer, Real, String, Name, Array, Dictionary, Reference };

  Kind kind = Kind::Null;
  std::int64_t number = 0;        // an Integer's value, a Reference's object number
  std::int64_t generation = 0;    // a Reference's generation
  std::string name;               // a Name, without its slash
  std::vector<PdfObject> items;   // an Array's items, a Dictionary's values
  std::vector<std::string> keys;  // a Dictionary's keys, one for each value

  bool IsDictionary() const { return kind == Kind::Dictionary; }
  bool IsArray() const { return kind == Kind::Array; }
  bool IsInteger() const { return kind == Kind::Integer; }
  bool IsName(std::string_view text) const { return kind == Kind::Name && name == text; }

  // The value of a dictionary entry; a null object when absent (the last one wins when a
  // key appears twice).
  const PdfObject& Get(std::string_view key) const;
};

}  // namespace folidex::pdf
