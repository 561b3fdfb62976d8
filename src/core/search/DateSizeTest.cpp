#include "core/search/DateSizeTest.h"

#include <cstdint>
#include <optional>

#include "core/common/Kilobytes.h"
#include "core/common/ParseInteger.h"

namespace folidex {
namespace {

using namespace std::chrono;

bool InCalendarRange(local_days day) {
  const year y = year_month_day{day}.year();
  return y >= year{100} && y <= year{9999};
}

struct DateBounds {
  LocalTime lower;
  LocalTime upper;
};

std::optional<DateBounds> ComputeDateBounds(const SearchCriteria& criteria, LocalTime now) {
  if (criteria.dateMode == SearchCriteria::DateMode::Between) {
    const local_days from = floor<days>(criteria.dateFrom);
    const local_days to = floor<days>(criteria.dateTo);
    return DateBounds{from, to};
  }
  const std::optional<std::int16_t> count = ParseInteger<std::int16_t>(criteria.periodCount);
  if (!count) return std::nullopt;
  const local_days today = floor<days>(now);
  local_days lower = today;
  if (*count >= 1) lower = criteria.periodUnit == PeriodUnit::Days ? today - days{*count} : MonthsBefore(today, *count);
  if (!InCalendarRange(lower)) return std::nullopt;
  return DateBounds{lower, today};
}

// The time stamp the date kind names; nothing when the file system keeps no creation time.
std::optional<LocalTime> PickTimeStamp(DateKind kind, const FileFacts& file) {
  switch (kind) {
    case DateKind::Created:
      return file.created;
    case DateKind::Modified:
      return file.modified;
    case DateKind::LastAccessed:
      return file.accessed;
  }
  return std::nullopt;
}

bool PassesDateTest(const SearchCriteria& criteria, const FileFacts& file, LocalTime now) {
  const std::optional<DateBounds> bounds = ComputeDateBounds(criteria, now);
  if (!bounds) return false;
  const std::optional<LocalTime> stamp = PickTimeStamp(criteria.dateKind, file);
  return stamp && bounds->lower <= *stamp && *stamp <= bounds->upper;
}

bool PassesSizeTest(const SearchCriteria& criteria, const FileFacts& file) {
  const std::int64_t kb = static_cast<std::int64_t>(RoundUpKB(file.size));
  if (criteria.sizeMode == SearchCriteria::SizeMode::At) {
    const std::optional<std::int32_t> limit = ParseInteger<std::int32_t>(criteria.sizeLimit);
    if (!limit) return false;
    return criteria.sizeBound == SizeBound::AtLeast ? kb >= *limit : kb <= *limit;
  }
  const std::optional<std::int32_t> from = ParseInteger<std::int32_t>(criteria.sizeFrom);
  const std::optional<std::int32_t> to = ParseInteger<std::int32_t>(criteria.sizeTo);
  if (!from || !to) return false;
  return *from <= kb && kb <= *to;
}

}  // namespace

bool MatchesDateAndSize(const SearchCriteria& criteria, const FileFacts& file, LocalTime now) {
  if (criteria.dateEnabled && !PassesDateTest(criteria, file, now)) return false;
  if (criteria.sizeEnabled && !PassesSizeTest(criteria, file)) return false;
  return true;
}

}  // namespace folidex
