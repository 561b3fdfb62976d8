#include "ui/search/DateTimeConversion.h"

namespace folidex {

QDateTime ToQDateTime(LocalTime time) {
  using namespace std::chrono;
  const local_days day = floor<days>(time);
  const year_month_day ymd{day};
  const hh_mm_ss clock{time - day};
  return QDateTime(QDate(static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                         static_cast<int>(static_cast<unsigned>(ymd.day()))),
                   QTime(static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()),
                         static_cast<int>(clock.seconds().count())));
}

LocalTime FromQDateTime(const QDateTime& time) {
  using namespace std::chrono;
  const QDate date = time.date();
  const QTime clock = time.time();
  const local_days day{year{date.year()} / date.month() / date.day()};
  return day + hours{clock.hour()} + minutes{clock.minute()} + seconds{clock.second()};
}

}  // namespace folidex
