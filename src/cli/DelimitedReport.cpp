#include "cli/DelimitedReport.h"

#include "cli/ListedColumns.h"
#include "core/export/DelimitedField.h"
#include "core/results/ResultCells.h"

namespace folidex::cli {

DelimitedReport::DelimitedReport(std::ostream& out, std::ostream& summaryStream, std::string separator)
    : out_(out), summaryStream_(summaryStream), separator_(std::move(separator)) {
  const char* lead = "";
  for (const int column : kListedColumns) {
    out_ << lead << DelimitedField(ColumnCaptions()[column], separator_);
    lead = separator_.c_str();
  }
  out_ << '\n';
}

void DelimitedReport::Row(const FoundFile& file) {
  const auto cells = MakeRowCells(file);
  const char* lead = "";
  for (const int column : kListedColumns) {
    out_ << lead << DelimitedField(cells[column], separator_);
    lead = separator_.c_str();
  }
  out_ << '\n';
}

void DelimitedReport::Finish(const Summary& summary) {
  out_.flush();
  PrintSummaryLines(summaryStream_, summary);
}

}  // namespace folidex::cli
