#include "cli/ReportPrinter.h"

#include "cli/DelimitedReport.h"
#include "cli/JsonLinesReport.h"
#include "cli/JsonReport.h"
#include "cli/ListedColumns.h"
#include "cli/TableReport.h"
#include "cli/TsvLine.h"
#include "core/export/DelimitedField.h"

namespace folidex::cli {
namespace {

std::string CsvLine(std::span<const std::string> cells) { return DelimitedLine(cells, ","); }

}  // namespace

void PrintSummaryLines(std::ostream& stream, const Summary& summary) {
  if (summary.files > 0) {
    stream << summary.files << " file(s) found\n";
  } else {
    stream << "No file found\n";
  }
  stream << "Total Pages : " << summary.totalPages << '\n';
  if (summary.paperSizes) stream << "Page Sizes : " << PaperSizesText(*summary.paperSizes) << '\n';
}

std::unique_ptr<ReportPrinter> MakeReportPrinter(const CliOptions& options, std::ostream& out, std::ostream& err) {
  const Listing listing{.quiet = options.quiet, .paperSizes = options.pageSizes, .reasons = options.reasons};
  switch (options.format) {
    case OutputFormat::Json:
      return std::make_unique<JsonReport>(out, listing);
    case OutputFormat::JsonLines:
      return std::make_unique<JsonLinesReport>(out, listing);
    case OutputFormat::Tsv:
      return std::make_unique<DelimitedReport>(out, err, TsvLine, listing);
    case OutputFormat::Csv:
      return std::make_unique<DelimitedReport>(out, err, CsvLine, listing);
    case OutputFormat::Table:
      break;
  }
  return std::make_unique<TableReport>(out, listing);
}

}  // namespace folidex::cli
