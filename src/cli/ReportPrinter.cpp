#include "cli/ReportPrinter.h"

#include "cli/DelimitedReport.h"
#include "cli/JsonReport.h"
#include "cli/TableReport.h"

namespace folidex::cli {
namespace {

class SummaryOnly : public ReportPrinter {
 public:
  explicit SummaryOnly(std::ostream& out) : out_(out) {}
  void Row(const FoundFile&) override {}
  void Finish(const Summary& summary) override { PrintSummaryLines(out_, summary); }

 private:
  std::ostream& out_;
};

}  // namespace

void PrintSummaryLines(std::ostream& stream, const Summary& summary) {
  if (summary.files > 0) {
    stream << summary.files << " file(s) found\n";
  } else {
    stream << "No file found\n";
  }
  stream << "Total Pages : " << summary.totalPages << '\n';
}

std::unique_ptr<ReportPrinter> MakeReportPrinter(OutputFormat format, bool quiet, std::ostream& out,
                                                 std::ostream& err) {
  switch (format) {
    case OutputFormat::Json:
      return std::make_unique<JsonReport>(out, quiet);
    case OutputFormat::Tsv:
      if (quiet) return std::make_unique<SummaryOnly>(out);
      return std::make_unique<DelimitedReport>(out, err, "\t");
    case OutputFormat::Csv:
      if (quiet) return std::make_unique<SummaryOnly>(out);
      return std::make_unique<DelimitedReport>(out, err, ",");
    case OutputFormat::Table:
      break;
  }
  if (quiet) return std::make_unique<SummaryOnly>(out);
  return std::make_unique<TableReport>(out);
}

}  // namespace folidex::cli
