#include "core/common/LocalTime.h"

namespace folidex {

ZonedTime ToZonedTime(std::time_t utcSeconds) {
  std::tm parts{};
  localtime_r(&utcSeconds, &parts);
  using namespace std::chrono;
  const local_days day{year{parts.tm_year + 1900} / (parts.tm_mon + 1) / parts.tm_mday};
  return {day + hours{parts.tm_hour} + minutes{parts.tm_min} + seconds{parts.tm_sec}, seconds{parts.tm_gmtoff}};
}

LocalTime ToLocalTime(std::time_t utcSeconds) { return ToZonedTime(utcSeconds).local; }

std::chrono::local_days MonthsBefore(std::chrono::local_days day, int count) {
  using namespace std::chrono;
  const year_month_day ymd{day};
  const year_month target = year_month{ymd.year(), ymd.month()} - months{count};
  const year_month_day stepped{target.year(), target.month(), ymd.day()};
  if (stepped.ok()) return local_days{stepped};
  return local_days{year_month_day_last{target.year(), month_day_last{target.month()}}};
}

LocalTime LocalNow() { return ToLocalTime(std::time(nullptr)); }

}  // namespace folidex
