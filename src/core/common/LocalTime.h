#pragma once

#include <chrono>
#include <ctime>
#include <functional>

namespace folidex {

// A wall-clock moment in the local time zone, to the second. File time stamps and
// the date criteria are compared in local time, as the user reads them.
using LocalTime = std::chrono::local_seconds;

// A moment as the local clock shows it, with the zone's offset from UTC at that moment.
struct ZonedTime {
  LocalTime local;
  std::chrono::seconds utcOffset;
};

ZonedTime ToZonedTime(std::time_t utcSeconds);
LocalTime ToLocalTime(std::time_t utcSeconds);
LocalTime LocalNow();

// `count` calendar months before `day`, falling back to the last day of the target month
// when it has no such day (31 March minus one month is the last day of February).
std::chrono::local_days MonthsBefore(std::chrono::local_days day, int count);

// Where "now" comes from; tests set their own.
using Clock = std::function<LocalTime()>;

}  // namespace folidex
