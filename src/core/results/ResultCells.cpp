#include "core/results/ResultCells.h"

#include <cstdio>

namespace folidex {

std::string_view ColumnCaption(Column column) {
  static constexpr std::array<std::string_view, kColumnCount> captions{"File Name", "Location", "Size", "Modified Date",
                                                                       "Pages"};
  return captions.at(column);
}

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

std::string FormatSize(std::uint64_t bytes) { return FormatGrouped(RoundUpKB(bytes)) + " KB"; }

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

std::string FormatPages(const PageCount& pages) { return pages.Counted() ? std::to_string(pages.Pages()) : "Error"; }

std::string FormatFailureReason(const PageCount& pages) {
  const CountFailure* failure = pages.Failure();
  if (failure == nullptr) return {};
  const auto kind = [failure]() -> std::string_view {
    switch (failure->kind) {
      case CountFailure::Kind::NotPdf:
        return "Not a PDF file";
      case CountFailure::Kind::Empty:
        return "Empty file";
      case CountFailure::Kind::Damaged:
        return "Damaged";
      case CountFailure::Kind::Encrypted:
        return "Encrypted";
      case CountFailure::Kind::Unsupported:
        return "Unsupported";
      case CountFailure::Kind::TooLarge:
        return "Too large";
      case CountFailure::Kind::TooSlow:
        return "Too slow";
      case CountFailure::Kind::Unreadable:
        return "Unreadable";
      case CountFailure::Kind::Cancelled:
        return "Cancelled";
    }
    return "Error";
  }();
  return failure->detail.empty() ? std::string(kind) : std::string(kind) + ": " + failure->detail;
}

std::string CellText(const FoundFile& file, Column column) {
  switch (column) {
    case kFileName:
      return file.facts.name;
    case kLocation:
      return file.facts.folder;
    case kSize:
      return FormatSize(file.facts.size);
    case kModifiedDate:
      return FormatModifiedDate(file.facts.modified);
    case kPages:
      return FormatPages(file.pages);
    case kColumnCount:
      break;
  }
  return {};
}

std::array<std::string, kColumnCount> RowTexts(const FoundFile& file) {
  std::array<std::string, kColumnCount> texts;
  for (int column = 0; column < kColumnCount; ++column) texts[column] = CellText(file, static_cast<Column>(column));
  return texts;
}

}  // namespace folidex
