#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace folidex::pdf {

// One parsed PDF value.
struct PdfObject {
  enum class Kind { Null, Boolean, Integer, Real, String, Name, Array, Dictionary, Reference };

  // Object numbers and generations that fit a packed reference; larger ones are refused.
  static constexpr std::int64_t kMaxNumber = (std::int64_t{1} << 40) - 1;
  static constexpr std::int64_t kMaxGeneration = (std::int64_t{1} << 24) - 1;

  Kind kind = Kind::Null;
  std::int64_t number = 0;        // an Integer's value, a Boolean's (1 for true), a Reference's object number
  std::int64_t generation = 0;    // a Reference's generation
  double real = 0;                // a Real's value
  std::string text;               // a Name, without its slash, or a String's bytes
  std::vector<PdfObject> items;   // an Array's items other than references, a Dictionary's values
  std::vector<std::string> keys;  // a Dictionary's keys, one for each value
  // An Array's references, packed into 8 bytes each: the /Kids of a large document list
  // a great many, and a full object for each would take over a hundred bytes.
  std::vector<std::uint64_t> references;

  bool IsDictionary() const { return kind == Kind::Dictionary; }
  bool IsArray() const { return kind == Kind::Array; }
  bool IsInteger() const { return kind == Kind::Integer; }
  bool IsName(std::string_view wanted) const { return kind == Kind::Name && text == wanted; }
  bool IsString() const { return kind == Kind::String; }
  // An Integer's or a Real's value; nothing for any other kind.
  std::optional<double> Number() const;

  // The value of a dictionary entry; a null object when absent (the last one wins when a
  // key appears twice).
  const PdfObject& Get(std::string_view key) const;
  // Moves the value of a dictionary entry out (a null object when absent).
  PdfObject Take(std::string_view key);

  static std::uint64_t Pack(std::int64_t number, std::int64_t generation) {
    return (static_cast<std::uint64_t>(number) << 24) | static_cast<std::uint64_t>(generation);
  }
  static PdfObject Unpack(std::uint64_t packed);
};

}  // namespace folidex::pdf
