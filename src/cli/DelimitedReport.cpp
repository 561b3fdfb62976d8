#include "cli/DelimitedReport.h"

#include "cli/ListedColumns.h"
#include "core/export/DelimitedField.h"
#include "core/results/ResultCells.h"

namespace folidex::cli {

DelimitedReport::DelimitedReport(std::ostream& out, std::ostream& summaryStream, std::string separator)
    : out_(out), summaryStream_(summaryStream), separator_(std::move(separator)) {
  std::vector<std::string> captions;
  for (const int column : kListedColumns) captions.emplace_back(ColumnCaptions()[column]);
  out_ << DelimitedLine(captions, separator_) << '\n';
}

void DelimitedReport::Row(const FoundFile& file) {
  auto cells = MakeRowCells(file);
  std::vector<std::string> listed;
  for (const int column : kListedColumns) listed.push_back(std::move(cells[column]));
  out_ << DelimitedLine(listed, separator_) << '\n';
}

void DelimitedReport::Finish(const Summary& summary) {
  out_.flush();
  PrintSummaryLines(summaryStream_, summary);
}

}  // namespace folidex::cli
