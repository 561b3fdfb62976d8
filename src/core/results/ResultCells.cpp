#include "core/results/ResultCells.h"

#include <cstdio>

namespace folidex {

std::uint64_t RoundUpKB(std::uint64_t bytes) { return bytes / 1024 + (bytes % 1024 != 0 ? 1 : 0); }

std::string FormatGrouped(std::uint64_t value) {
  const std::string digits = std::to_string(value);
  std::string grouped;
  grouped.reserve(digits.size() + digits.size() / 3);
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped.push_back(',');
    grouped.push_back(digits[i]);
  }
  return grouped;
}

std::string FormatModifiedDate(LocalTime time) {
  using namespace std::chrono;
  const local_days day = floor<days>(time);
  const year_month_day ymd{day};
  const hh_mm_ss clock{time - day};
  const int hour24 = static_cast<int>(clock.hours().count());
  const int hour12 = hour24 % 12 == 0 ? 12 : hour24 % 12;
  char text[32];
  std::snprintf(text, sizeof text, "%02u/%02u/%04d %02d:%02d %s", static_cast<unsigned>(ymd.month()),
                static_cast<unsigned>(ymd.day()), static_cast<int>(ymd.year()), hour12,
                static_cast<int>(clock.minutes().count()), hour24 < 12 ? "AM" : "PM");
  return text;
}

std::string FormatPages(int pages) { return pages < 0 ? "Error" : std::to_string(pages); }

std::array<std::string, kColumnCount> MakeRowCells(const FoundFile& file) {
  std::array<std::string, kColumnCount> cells;
  cells[kFileName] = file.facts.name;
  cells[kLocation] = file.facts.folder;
  cells[kSizeKey] = FormatGrouped(RoundUpKB(file.facts.size));
  cells[kSize] = cells[kSizeKey] + " KB";
  cells[kModifiedDate] = FormatModifiedDate(file.facts.modified);
  cells[kPages] = FormatPages(file.pages);
  cells[kFullPath] = file.facts.fullPath;
  return cells;
}

std::string GetExtension(std::string_view name) {
  const std::size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string{} : std::string{name.substr(dot + 1)};
}

}  // namespace folidex
