#include "cli/JsonReport.h"

#include <cstdio>
#include <string_view>

namespace folidex::cli {
namespace {

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
          out += escaped;
        } else {
          out.push_back(c);
        }
    }
  }
  out.push_back('"');
  return out;
}

std::string IsoTime(LocalTime time) {
  using namespace std::chrono;
  const local_days day = floor<days>(time);
  const year_month_day ymd{day};
  const hh_mm_ss clock{time - day};
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02d", static_cast<int>(ymd.year()),
                static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()),
                static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()),
                static_cast<int>(clock.seconds().count()));
  return text;
}

}  // namespace

JsonReport::JsonReport(std::ostream& out, bool quiet) : out_(out), quiet_(quiet) {
  out_ << '{';
  if (!quiet_) out_ << "\"files\":[";
}

void JsonReport::Row(const FoundFile& file) {
  if (quiet_) return;
  out_ << (firstRow_ ? "\n" : ",\n") << "{\"path\":" << JsonString(file.facts.fullPath)
       << ",\"name\":" << JsonString(file.facts.name) << ",\"folder\":" << JsonString(file.facts.folder)
       << ",\"size\":" << file.facts.size << ",\"modified\":" << JsonString(IsoTime(file.facts.modified))
       << ",\"pages\":";
  if (file.pages.Counted()) {
    out_ << file.pages.Pages() << ",\"error\":false}";
  } else {
    out_ << "null,\"error\":true}";
  }
  firstRow_ = false;
}

void JsonReport::Finish(const Summary& summary) {
  if (!quiet_) out_ << "\n],";
  out_ << "\"fileCount\":" << summary.files << ",\"errorCount\":" << summary.errors
       << ",\"totalPages\":" << summary.totalPages << "}\n";
}

}  // namespace folidex::cli
