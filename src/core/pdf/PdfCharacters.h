#pragma once

namespace folidex::pdf {

// The classes of characters that PDF syntax tells apart.
constexpr bool IsWhiteSpace(char c) {
  return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
}

constexpr bool IsDelimiter(char c) {
  switch (c) {
    case '(':
    case ')':
    case '<':
    case '>':
    case '[':
    case ']':
    case '{':
    case '}':
    case '/':
    case '%':
      return true;
    default:
      return false;
  }
}

// A character of a token: of a number, a keyword or a name after its slash.
constexpr bool IsRegular(char c) { return !IsWhiteSpace(c) && !IsDelimiter(c); }

}  // namespace folidex::pdf
