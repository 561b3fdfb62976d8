#include "core/export/ExportWriter.h"

#include <strings.h>

#include "core/common/TextFile.h"
#include "core/export/DelimitedField.h"

namespace folidex {

ExportRows TakeExportSnapshot(const ResultTable& table) {
  std::vector<Column> shown;
  for (int column = 0; column < kColumnCount; ++column)
    if (!table.ColumnHidden(static_cast<Column>(column))) shown.push_back(static_cast<Column>(column));
  ExportRows rows;
  rows.reserve(table.RowCount() + 1);
  std::vector<std::string>& header = rows.emplace_back();
  for (const Column column : shown) header.emplace_back(ColumnCaption(column));
  for (std::size_t row = 0; row < table.RowCount(); ++row) {
    std::vector<std::string>& cells = rows.emplace_back();
    for (const Column column : shown) cells.push_back(CellText(table.Row(row).file, column));
  }
  return rows;
}

std::string ExportSeparator(const std::filesystem::path& target, std::string_view givenSeparator) {
  const std::string extension = target.extension().string();
  if (strcasecmp(extension.c_str(), ".xls") == 0 || strcasecmp(extension.c_str(), ".csv") == 0) return "\t";
  return givenSeparator.empty() ? "," : std::string{givenSeparator};
}

std::string DelimitedText(const ExportRows& rows, std::string_view separator) {
  std::string text;
  for (const std::vector<std::string>& cells : rows) text += DelimitedLine(cells, separator) + "\r\n";
  return text;
}

bool WriteExport(const ExportRows& rows, std::string_view separator, const std::filesystem::path& target,
                 std::string& error) {
  return ReplaceTextFile(target, DelimitedText(rows, separator), error);
}

}  // namespace folidex
