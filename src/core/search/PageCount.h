#pragma once

#include <cstdint>
#include <variant>

namespace folidex {

// Why a file's pages could not be counted. It says no more than that for now.
struct CountFailure {
  friend bool operator==(const CountFailure&, const CountFailure&) = default;
};

// A file's number of pages, or the failure to count them.
class PageCount {
 public:
  // Not counted (yet): a failure.
  PageCount() : value_(CountFailure{}) {}
  explicit PageCount(CountFailure failure) : value_(failure) {}
  // What a page counter returns: the pages, or a negative value when it failed.
  static PageCount FromCounter(int result) { return result < 0 ? PageCount() : PageCount(result); }

  bool Counted() const { return std::holds_alternative<std::int32_t>(value_); }
  // The pages of a counted file; 0 for a failure, which adds nothing to a total.
  std::int32_t Pages() const { return Counted() ? std::get<std::int32_t>(value_) : 0; }
  // Why counting failed; nothing for a counted file.
  const CountFailure* Failure() const { return std::get_if<CountFailure>(&value_); }

  friend bool operator==(const PageCount&, const PageCount&) = default;

 private:
  explicit PageCount(std::int32_t pages) : value_(pages) {}

  std::variant<std::int32_t, CountFailure> value_;
};

}  // namespace folidex
