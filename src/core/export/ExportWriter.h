#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/results/ResultTable.h"

namespace folidex {

// The cells an export writes: the header row and every data row in the table's current
// order, hidden rows included, with only the columns that are not hidden.
using ExportRows = std::vector<std::vector<std::string>>;

ExportRows TakeExportSnapshot(const ResultTable& table);

// The column separator for a target: TAB for ".xls" and ".csv" files, otherwise the one
// the user gave, or "," when none was given.
std::string ExportSeparator(const std::filesystem::path& target, std::string_view givenSeparator);

// The rows as delimited text: cells joined by the separator (quoted where they hold it, a
// double quote, CR or LF), each line ended by CR LF.
std::string DelimitedText(const ExportRows& rows, std::string_view separator);

// Writes the rows to the target, replacing an existing file only once the new one is
// complete. On failure nothing is left behind and `error` holds the reason.
bool WriteExport(const ExportRows& rows, std::string_view separator, const std::filesystem::path& target,
                 std::string& error);

}  // namespace folidex
