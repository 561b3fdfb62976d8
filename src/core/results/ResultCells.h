#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/common/Kilobytes.h"
#include "core/common/LocalTime.h"
#include "core/search/FoundFile.h"

namespace folidex {

// The columns of the result list, as the grid, the export and the command line show them.
enum Column : int {
  kFileName = 0,
  kLocation = 1,
  kSize = 2,
  kModifiedDate = 3,
  kPages = 4,
  kColumnCount = 5,
};

// "File Name", "Location", "Size", "Modified Date", "Pages".
std::string_view ColumnCaption(Column column);

// Digits grouped in threes with ",", at least one digit ("###,###,##0").
std::string FormatGrouped(std::uint64_t value);

// Whole kilobytes, rounded up and grouped, with the unit: "1,234 KB".
std::string FormatSize(std::uint64_t bytes);

// "MM/dd/yyyy hh:mm AM" on the 12-hour clock, e.g. "07/26/2005 03:05 PM".
std::string FormatModifiedDate(LocalTime time);

// Plain digits, or "Error" for a file that could not be counted.
std::string FormatPages(const PageCount& pages);

// Why a file could not be counted, as the tip of its "Error" cell, the properties window
// and the command line's reasons show it: its kind, then what exactly ("Damaged: no
// catalog"); empty for a counted file.
std::string FormatFailureReason(const PageCount& pages);

// The text a file shows in one column. Every text of a result row is made here.
std::string CellText(const FoundFile& file, Column column);

// The texts of all columns, in column order.
std::array<std::string, kColumnCount> RowTexts(const FoundFile& file);

}  // namespace folidex
