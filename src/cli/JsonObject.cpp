#include "cli/JsonObject.h"

#include <cstdio>
#include <cstdlib>

#include "cli/Base64.h"
#include "cli/Utf8.h"

namespace folidex::cli {
namespace {

// The text as a JSON string; ill-formed UTF-8 becomes U+FFFD. Sets `exact` to whether the
// string holds the text unchanged.
std::string JsonString(std::string_view text, bool& exact) {
  std::string out = "\"";
  exact = true;
  while (!text.empty()) {
    const Utf8Step step = NextUtf8(text);
    const char32_t c = step.character;
    if (!step.valid) {
      out += "\xEF\xBF\xBD";
      exact = false;
    } else if (c == '"' || c == '\\') {
      out.push_back('\\');
      out.push_back(static_cast<char>(c));
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
      out += escaped;
    } else {
      out.append(text.substr(0, step.length));
    }
    text.remove_prefix(step.length);
  }
  out.push_back('"');
  return out;
}

}  // namespace

void JsonObject::Key(std::string_view key) {
  if (!members_.empty()) members_.push_back(',');
  members_.push_back('"');
  members_.append(key);
  members_ += "\":";
}

JsonObject& JsonObject::Text(std::string_view key, std::string_view value) {
  bool exact = true;
  const std::string json = JsonString(value, exact);
  Raw(key, json);
  if (!exact) Raw(std::string(key) + "Base64", "\"" + Base64(value) + "\"");
  return *this;
}

JsonObject& JsonObject::Number(std::string_view key, std::int64_t value) { return Raw(key, std::to_string(value)); }

JsonObject& JsonObject::Bool(std::string_view key, bool value) { return Raw(key, value ? "true" : "false"); }

JsonObject& JsonObject::Null(std::string_view key) { return Raw(key, "null"); }

JsonObject& JsonObject::Raw(std::string_view key, std::string_view json) {
  Key(key);
  members_.append(json);
  return *this;
}

std::string IsoTime(LocalTime local, std::chrono::seconds utcOffset) {
  using namespace std::chrono;
  const bool wholeMinutes = utcOffset % minutes{1} == seconds{0};
  const LocalTime shown = wholeMinutes ? local : local - utcOffset;
  const local_days day = floor<days>(shown);
  const year_month_day ymd{day};
  const hh_mm_ss clock{shown - day};
  char text[48];
  int length = std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02d", static_cast<int>(ymd.year()),
                             static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()),
                             static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()),
                             static_cast<int>(clock.seconds().count()));
  if (!wholeMinutes) return std::string(text, length) + "Z";
  const long offsetMinutes = static_cast<long>(duration_cast<minutes>(utcOffset).count());
  std::snprintf(text + length, sizeof text - length, "%c%02ld:%02ld", offsetMinutes < 0 ? '-' : '+',
                std::labs(offsetMinutes) / 60, std::labs(offsetMinutes) % 60);
  return text;
}

}  // namespace folidex::cli
