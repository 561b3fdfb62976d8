#pragma once

#include <string>

#include "core/common/LocalTime.h"

namespace folidex {

// What decides which files a search lists. Number boxes keep their text as typed:
// they are converted only when a file is judged, and a text that does not convert
// makes the file fail that test.
struct SearchCriteria {
  enum class DateMode { InLast, Between };
  enum class SizeMode { At, Between };

  std::string filterText = "*.pdf";
  bool showHidden = false;
  bool includeSubfolders = false;

  bool dateEnabled = false;
  std::string dateKind = "Files Modified";  // "Files Created", "Files Modified", "Files Last Accessed"
  DateMode dateMode = DateMode::Between;
  std::string periodCount = "1";
  std::string periodUnit = "Day(s)";  // "Day(s)" or "Month(s)"
  LocalTime dateFrom{};
  LocalTime dateTo{};

  bool sizeEnabled = false;
  SizeMode sizeMode = SizeMode::At;
  std::string sizeBound = "Least";  // "Least" or "Most"
  std::string sizeLimit = "0";
  std::string sizeFrom = "0";
  std::string sizeTo = "10";
};

// The panel's start-up values: "between" one calendar month before start-up and start-up.
SearchCriteria DefaultSearchCriteria(LocalTime startup);

}  // namespace folidex
