#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/common/LocalTime.h"

namespace folidex::cli {

// A JSON object written member by member, always valid UTF-8 JSON.
class JsonObject {
 public:
  // A text member. Text that is not valid UTF-8 is written with U+FFFD for each ill-formed
  // run of bytes, and its exact bytes follow in base64 as the member `key` + "Base64".
  JsonObject& Text(std::string_view key, std::string_view value);
  JsonObject& Number(std::string_view key, std::int64_t value);
  JsonObject& Bool(std::string_view key, bool value);
  JsonObject& Null(std::string_view key);
  // A member whose value is JSON already (an array, an object).
  JsonObject& Raw(std::string_view key, std::string_view json);

  // The members joined by ",", without the braces, to go on in a larger object.
  const std::string& Members() const { return members_; }
  std::string Json() const { return "{" + members_ + "}"; }

 private:
  void Key(std::string_view key);

  std::string members_;
};

// A local time with its offset from UTC, ISO 8601: "2026-11-28T09:14:05+01:00". An offset
// of whole minutes is written as such; any other (historic local mean time) as UTC, "Z".
std::string IsoTime(LocalTime local, std::chrono::seconds utcOffset);

}  // namespace folidex::cli
