#include "core/search/SearchCriteria.h"

namespace folidex {

SearchCriteria DefaultSearchCriteria(LocalTime startup) {
  using namespace std::chrono;
  SearchCriteria criteria;
  const local_days day = floor<days>(startup);
  criteria.dateFrom = MonthsBefore(day, 1) + (startup - day);
  criteria.dateTo = startup;
  return criteria;
}

}  // namespace folidex
