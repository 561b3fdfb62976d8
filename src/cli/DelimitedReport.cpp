#include "cli/DelimitedReport.h"

#include "core/export/DelimitedField.h"
#include "core/results/ResultCells.h"

namespace folidex::cli {

DelimitedReport::DelimitedReport(std::ostream& out, std::ostream& summaryStream, std::string separator)
    : out_(out), summaryStream_(summaryStream), separator_(std::move(separator)) {
  out_ << DelimitedLine(HeaderTexts(), separator_) << '\n';
}

void DelimitedReport::Row(const FoundFile& file) { out_ << DelimitedLine(RowTexts(file), separator_) << '\n'; }

void DelimitedReport::Finish(const Summary& summary) {
  out_.flush();
  PrintSummaryLines(summaryStream_, summary);
}

}  // namespace folidex::cli
