#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/common/LocalTime.h"
#include "core/search/WalkEvents.h"

namespace folidex {

// The columns of a result row.
enum Column : int {
  kFileName = 0,
  kLocation = 1,
  kSize = 2,
  kModifiedDate = 3,
  kPages = 4,
  kFullPath = 5,  // always hidden
  kSizeKey = 6,   // always hidden: whole kilobytes, grouped, no unit
  kColumnCount = 7,
};

// Whole kilobytes of 1024 bytes, rounded up: 0 bytes is 0 KB, 1025 bytes 2 KB.
std::uint64_t RoundUpKB(std::uint64_t bytes);

// Digits grouped in threes with ",", at least one digit ("###,###,##0").
std::string FormatGrouped(std::uint64_t value);

// "MM/dd/yyyy hh:mm AM" on the 12-hour clock, e.g. "07/26/2005 03:05 PM".
std::string FormatModifiedDate(LocalTime time);

// The Pages cell: plain digits, or "Error" for a count that failed (negative).
std::string FormatPages(int pages);

// The seven cells of a file's result row.
std::array<std::string, kColumnCount> MakeRowCells(const FoundFile& file);

// The text after the last "." of a file name; empty without a ".".
std::string GetExtension(std::string_view name);

}  // namespace folidex
