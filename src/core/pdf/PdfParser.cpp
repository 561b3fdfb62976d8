#include "core/pdf/PdfParser.h"

#include <array>
#include <charconv>
#include <limits>
#include <string>

#include "core/pdf/PdfCharacters.h"
#include "core/pdf/PdfReadFailure.h"

namespace folidex::pdf {
namespace {

// Deeper nesting than any real document uses.
constexpr int kMaxNesting = 100;
// More values in one object than any real document needs for its page tree, and a bound
// on the memory they take (references in arrays are packed and bounded by the text).
constexpr std::size_t kMaxValues = std::size_t{1} << 17;

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Whether a dictionary read for a page's kids or boxes keeps the entry `key`.
bool KeepsEntry(ArrayItems arrays, std::string_view key) {
  if (key == "Kids" || key == "Count") return true;
  return arrays == ArrayItems::PageBoxes &&
         (key == "MediaBox" || key == "CropBox" || key == "Rotate" || key == "UserUnit");
}

bool IsDigits(std::string_view text) {
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return !text.empty();
}

PdfObject OfKind(PdfObject::Kind kind) {
  PdfObject object;
  object.kind = kind;
  return object;
}

}  // namespace

bool PdfParser::More() const {
  if (pos_ < text_.size()) return true;
  if (!complete_) throw NeedMoreText{};
  return false;
}

void PdfParser::SkipSpace() {
  while (More()) {
    if (IsWhiteSpace(Next())) {
      ++pos_;
    } else if (Next() == '%') {
      while (More() && Next() != '\n' && Next() != '\r') ++pos_;
    } else {
      break;
    }
  }
}

void PdfParser::SkipLineEnd() {
  while (More() && (Next() == ' ' || Next() == '\t')) ++pos_;
  if (More() && Next() == '\r') {
    ++pos_;
    if (More() && Next() == '\n') ++pos_;
  } else if (More() && Next() == '\n') {
    ++pos_;
  }
}

std::string_view PdfParser::TakeRegularRun() {
  const std::size_t start = pos_;
  while (More() && IsRegular(Next())) ++pos_;
  return text_.substr(start, pos_ - start);
}

bool PdfParser::TakeKeyword(std::string_view word) {
  SkipSpace();
  const std::size_t start = pos_;
  if (TakeRegularRun() == word) return true;
  pos_ = start;
  return false;
}

std::optional<std::int64_t> PdfParser::TakeUnsigned() {
  SkipSpace();
  const std::size_t start = pos_;
  const std::string_view token = TakeRegularRun();
  std::int64_t value = 0;
  if (IsDigits(token)) {
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (error == std::errc{}) return value;
  }
  pos_ = start;
  return std::nullopt;
}

PdfObject PdfParser::TakeObject(int depth) {
  if (depth > kMaxNesting) throw Damaged();
  if (++values_ > kMaxValues) throw TooLarge("an object of over 131,072 values");
  SkipSpace();
  if (!More()) throw Damaged();
  switch (Next()) {
    case '/':
      return TakeName();
    case '(':
      return TakeLiteralString();
    case '[': {
      ++pos_;
      PdfObject array = OfKind(PdfObject::Kind::Array);
      if (skipArrays_) {
        SkipArrayItems(depth);
        return array;
      }
      for (SkipSpace(); More() && Next() != ']'; SkipSpace()) TakeArrayItem(array, depth + 1);
      if (!More()) throw Damaged();
      ++pos_;
      return array;
    }
    case '<': {
      ++pos_;
      if (!More() || Next() != '<') return TakeHexString();
      ++pos_;
      PdfObject dictionary = OfKind(PdfObject::Kind::Dictionary);
      for (SkipSpace(); More() && Next() == '/'; SkipSpace()) {
        std::string key = TakeName().text;
        if (depth == 0 && (arrays_ == ArrayItems::KidsOnly || arrays_ == ArrayItems::PageBoxes)) {
          // Set for every entry: the arrays of a box are read, those of what is skipped are not.
          const bool keep = KeepsEntry(arrays_, key);
          skipArrays_ = !keep || key == "Kids";
          if (!keep) {
            SkipValue(depth + 1);
            continue;
          }
        }
        dictionary.keys.push_back(std::move(key));
        dictionary.items.push_back(TakeObject(depth + 1));
      }
      if (!More() || Next() != '>') throw Damaged();
      ++pos_;
      if (!More() || Next() != '>') throw Damaged();
      ++pos_;
      return dictionary;
    }
    default:
      break;
  }
  const std::string_view token = TakeRegularRun();
  if (token == "true" || token == "false") {
    PdfObject boolean = OfKind(PdfObject::Kind::Boolean);
    boolean.number = token == "true" ? 1 : 0;
    return boolean;
  }
  if (token == "null") return OfKind(PdfObject::Kind::Null);
  return TakeNumberOrReference(token);
}

void PdfParser::TakeArrayItem(PdfObject& array, int depth) {
  PdfObject item = TakeObject(depth);
  if (item.kind != PdfObject::Kind::Reference) {
    array.items.push_back(std::move(item));
    return;
  }
  --values_;
  if (item.number > PdfObject::kMaxNumber || item.generation > PdfObject::kMaxGeneration) {
    throw Damaged();
  }
  array.references.push_back(PdfObject::Pack(item.number, item.generation));
}

PdfObject PdfParser::TakeNumberOrReference(std::string_view token) {
  const std::string_view digits = token.substr(token.empty() || (token[0] != '+' && token[0] != '-') ? 0 : 1);
  if (IsDigits(digits)) {
    PdfObject integer = OfKind(PdfObject::Kind::Integer);
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), integer.number);
    // A value beyond 64 bits is no usable integer; it counts as a real number.
    if (error != std::errc{}) return TakeReal(token);
    if (token[0] == '-') integer.number = -integer.number;
    if (digits.size() != token.size()) return integer;
    // "number generation R" is a reference.
    const std::size_t afterNumber = pos_;
    if (const std::optional<std::int64_t> generation = TakeUnsigned()) {
      if (TakeKeyword("R")) {
        PdfObject reference = OfKind(PdfObject::Kind::Reference);
        reference.number = integer.number;
        reference.generation = *generation;
        return reference;
      }
    }
    pos_ = afterNumber;
    return integer;
  }
  const std::size_t point = digits.find('.');
  if (point != std::string_view::npos && digits.size() > 1 &&
      digits.find_first_not_of("0123456789", point + 1) == std::string_view::npos &&
      (point == 0 || IsDigits(digits.substr(0, point)))) {
    return TakeReal(token);
  }
  throw Damaged();
}

PdfObject PdfParser::TakeReal(std::string_view token) {
  const bool negative = token[0] == '-';
  const std::string_view digits = token.substr(negative || token[0] == '+' ? 1 : 0);
  PdfObject real = OfKind(PdfObject::Kind::Real);
  // A value beyond a double's range is taken as the largest one.
  if (const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), real.real);
      error == std::errc::result_out_of_range) {
    real.real = std::numeric_limits<double>::max();
  }
  if (negative) real.real = -real.real;
  return real;
}

PdfObject PdfParser::TakeName() {
  ++pos_;  // the slash
  const std::string_view raw = TakeRegularRun();
  PdfObject name = OfKind(PdfObject::Kind::Name);
  if (raw.find('#') == std::string_view::npos) {
    name.text = raw;
    return name;
  }
  name.text.reserve(raw.size());
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == '#' && i + 2 < raw.size() && HexValue(raw[i + 1]) >= 0 && HexValue(raw[i + 2]) >= 0) {
      name.text += static_cast<char>(HexValue(raw[i + 1]) * 16 + HexValue(raw[i + 2]));
      i += 2;
    } else {
      name.text += raw[i];
    }
  }
  return name;
}

void PdfParser::SkipValue(int depth) {
  SkipSpace();
  if (More() && Next() == '[') {
    ++pos_;
    SkipArrayItems(depth);
  } else if (More() && Next() == '/') {
    ++pos_;
    TakeRegularRun();
  } else if (More() && Next() == '(') {
    SkipLiteralString();
  } else if (More() && Next() == '<' && (pos_ + 1 >= text_.size() || text_[pos_ + 1] != '<')) {
    ++pos_;
    SkipHexString();
  } else {
    TakeObject(depth);
  }
}

// Moves past the closing bracket of an array whose opening one was just read, a byte at a
// time through numbers and references, stopping only where a token needs a closer look:
// strings, comments and names may hold brackets, and a keyword other than true, false or
// null means the array was never closed.
void PdfParser::SkipArrayItems(int depth) {
  static constexpr std::array<bool, 256> kCloserLook = [] {
    std::array<bool, 256> closer{};
    for (int c = 'a'; c <= 'z'; ++c) closer[c] = closer[c - 'a' + 'A'] = true;
    closer['R'] = false;
    for (const unsigned char c : std::string_view("()[]%/<")) closer[c] = true;
    return closer;
  }();
  for (int open = 1;;) {
    while (pos_ < text_.size() && !kCloserLook[static_cast<unsigned char>(text_[pos_])]) ++pos_;
    if (!More()) throw Damaged();
    switch (Next()) {
      case '(':
        SkipLiteralString();
        break;
      case '%':
        SkipSpace();
        break;
      case '/':
        ++pos_;
        TakeRegularRun();
        break;
      case '<':
        ++pos_;
        if (More() && Next() == '<') {
          ++pos_;
        } else {
          SkipHexString();
        }
        break;
      case '[':
        if (depth + ++open > kMaxNesting) throw Damaged();
        ++pos_;
        break;
      case ']':
        ++pos_;
        if (--open == 0) return;
        break;
      case ')':
        throw Damaged();
      default:
        if (const std::string_view word = TakeRegularRun(); word != "true" && word != "false" && word != "null") {
          throw Damaged();
        }
        break;
    }
  }
}

PdfObject PdfParser::TakeLiteralString() {
  PdfObject string = OfKind(PdfObject::Kind::String);
  std::string& bytes = string.text;
  ++pos_;  // the opening parenthesis
  for (int open = 1; More();) {
    const char c = Next();
    ++pos_;
    if (c == '(') {
      ++open;
    } else if (c == ')' && --open == 0) {
      return string;
    } else if (c == '\\') {
      TakeEscape(bytes);
      continue;
    } else if (c == '\r') {
      // An end of line in a string, of any kind, stands for a line feed.
      if (More() && Next() == '\n') ++pos_;
      bytes += '\n';
      continue;
    }
    bytes += c;
  }
  throw Damaged();
}

void PdfParser::TakeEscape(std::string& bytes) {
  if (!More()) return;
  const char c = Next();
  ++pos_;
  switch (c) {
    case 'n':
      bytes += '\n';
      return;
    case 'r':
      bytes += '\r';
      return;
    case 't':
      bytes += '\t';
      return;
    case 'b':
      bytes += '\b';
      return;
    case 'f':
      bytes += '\f';
      return;
    case '\r':  // a line continued: the end of line is dropped
      if (More() && Next() == '\n') ++pos_;
      return;
    case '\n':
      return;
    default:
      break;
  }
  if (c < '0' || c > '7') {
    bytes += c;  // \( \) \\ and an unknown escape stand for the character itself
    return;
  }
  int value = c - '0';
  for (int digits = 1; digits < 3 && More() && Next() >= '0' && Next() <= '7'; ++digits) {
    value = value * 8 + (Next() - '0');
    ++pos_;
  }
  bytes += static_cast<char>(value & 0xFF);
}

PdfObject PdfParser::TakeHexString() {
  PdfObject string = OfKind(PdfObject::Kind::String);
  int high = -1;
  for (; More(); ++pos_) {
    const char c = Next();
    if (c == '>') {
      ++pos_;
      // An odd last digit stands for its high half.
      if (high >= 0) string.text += static_cast<char>(high * 16);
      return string;
    }
    const int digit = HexValue(c);
    if (digit < 0) continue;  // white space; anything else is ignored as well
    if (high < 0) {
      high = digit;
    } else {
      string.text += static_cast<char>(high * 16 + digit);
      high = -1;
    }
  }
  throw Damaged();
}

void PdfParser::SkipLiteralString() {
  int open = 0;
  while (More()) {
    const char c = Next();
    ++pos_;
    if (c == '\\') {
      if (More()) ++pos_;
    } else if (c == '(') {
      ++open;
    } else if (c == ')' && --open == 0) {
      return;
    }
  }
  throw Damaged();
}

void PdfParser::SkipHexString() {
  while (More()) {
    if (Next() == '>') {
      ++pos_;
      return;
    }
    ++pos_;
  }
  throw Damaged();
}

}  // namespace folidex::pdf
