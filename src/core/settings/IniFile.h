#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace folidex {

// An INI text held line by line, with the lookup rules Windows' private-profile calls have:
// section and key names match without regard to ASCII case and blanks around them, only
// the first section of a name and the first key of a name in it count, and a key's value
// is the text after the first "=" with blanks around it and one pair of enclosing double or
// single quotes removed. Lines the reader does not understand are kept as they are, so
// writing a key changes nothing else in the file.
class IniFile {
 public:
  // Splits `text` into lines ending in LF or CR LF; a leading UTF-8 byte-order mark is
  // remembered and written back by Text().
  explicit IniFile(std::string_view text = {});

  // The value of the key, or nothing when the section or the key is missing.
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;

  // The value of the key or, when it is missing, `defaultText`; either cut to its first
  // `limit` characters (UTF-8 sequences are never split).
  std::string Read(std::string_view section, std::string_view key, std::string_view defaultText,
                   std::size_t limit) const;

  // Sets the key: an existing key gets the new value in its own line, a missing key is
  // added after the last key of its section, a missing section is added with the key at
  // the end. A value that would not read back unchanged (blanks around it, enclosing
  // quotes) is written in double quotes. Returns false, changing nothing, for a value
  // holding CR or LF, which no INI line can store.
  bool Set(std::string_view section, std::string_view key, std::string_view value);

  // The whole text, every line ending in CR LF.
  std::string Text() const;

 private:
  struct KeyLine {
    std::size_t index;
    std::size_t equalsSign;
  };
  struct SectionLines {
    std::size_t header;
    std::size_t end;  // one past the section's last line
  };

  std::optional<SectionLines> FindSection(std::string_view section) const;
  std::optional<KeyLine> FindKey(const SectionLines& lines, std::string_view key) const;

  bool byteOrderMark_ = false;
  std::vector<std::string> lines_;
};

}  // namespace folidex
