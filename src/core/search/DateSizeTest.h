#pragma once

#include "core/common/LocalTime.h"
#include "core/search/FileFacts.h"
#include "core/search/SearchCriteria.h"

namespace folidex {

// The date and size criteria applied to one file at the moment `now`. Any failure on
// the way (a number box that does not convert, a time stamp the file does not have, a
// date outside the calendar) makes the file fail.
bool MatchesDateAndSize(const SearchCriteria& criteria, const FileFacts& file, LocalTime now);

}  // namespace folidex
