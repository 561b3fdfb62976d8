#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace folidex {

// Why a file's pages could not be counted: one of a few kinds, and what exactly went
// wrong in a few words that follow the kind when the reason is shown.
struct CountFailure {
  enum class Kind {
    NotPdf,       // the file holds no PDF document
    Empty,        // the file has no bytes
    Damaged,      // `detail`: what is missing or broken ("no catalog")
    Encrypted,    // `detail`: why it cannot be read ("needs a password")
    Unsupported,  // `detail`: the feature not read ("the filter LZWDecode")
    TooLarge,     // `detail`: the bound on data or memory the file went over
    TooSlow,      // `detail`: the bound on work the file went over
    Unreadable,   // `detail`: the system's error text
    Cancelled,    // the search was cancelled while the file was counted
  };
  Kind kind = Kind::Damaged;
  std::string detail;

  friend bool operator==(const CountFailure&, const CountFailure&) = default;
};

// A file's number of pages, or the failure to count them.
class PageCount {
 public:
  // Not counted (yet): a failure.
  PageCount() : value_(CountFailure{}) {}
  PageCount(CountFailure failure) : value_(std::move(failure)) {}
  // `pages` is 0 or more.
  explicit PageCount(std::int32_t pages) : value_(pages) {}
  explicit PageCount(std::variant<std::int32_t, CountFailure> value) : value_(std::move(value)) {}

  bool Counted() const { return std::holds_alternative<std::int32_t>(value_); }
  // The pages of a counted file; 0 for a failure, which adds nothing to a total.
  std::int32_t Pages() const { return Counted() ? std::get<std::int32_t>(value_) : 0; }
  // Why counting failed; nothing for a counted file.
  const CountFailure* Failure() const { return std::get_if<CountFailure>(&value_); }

  friend bool operator==(const PageCount&, const PageCount&) = default;

 private:
  std::variant<std::int32_t, CountFailure> value_;
};

}  // namespace folidex
