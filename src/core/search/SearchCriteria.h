#pragma once

#include <string>

#include "core/common/LocalTime.h"

namespace folidex {

// Which of a file's time stamps the date criterion reads.
enum class DateKind { Created, Modified, LastAccessed };
// The unit of the "in the last" period.
enum class PeriodUnit { Days, Months };
// Whether the "at" size is a lower or an upper bound.
enum class SizeBound { AtLeast, AtMost };

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
  DateKind dateKind = DateKind::Modified;
  DateMode dateMode = DateMode::Between;
  std::string periodCount = "1";
  PeriodUnit periodUnit = PeriodUnit::Days;
  LocalTime dateFrom{};
  LocalTime dateTo{};

  bool sizeEnabled = false;
  SizeMode sizeMode = SizeMode::At;
  SizeBound sizeBound = SizeBound::AtLeast;
  std::string sizeLimit = "0";
  std::string sizeFrom = "0";
  std::string sizeTo = "10";
};

// The panel's start-up values: "between" one calendar month before start-up and start-up.
SearchCriteria DefaultSearchCriteria(LocalTime startup);

}  // namespace folidex
