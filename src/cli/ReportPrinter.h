#pragma once

#include <cstdint>
#include <memory>
#include <ostream>

#include "cli/CliOptions.h"
#include "core/search/FoundFile.h"

namespace folidex::cli {

struct Summary {
  std::int64_t files = 0;
  std::int64_t errors = 0;  // files whose pages could not be counted
  std::int64_t totalPages = 0;
};

// Prints the files a search lists and the summary, in one output format.
class ReportPrinter {
 public:
  virtual ~ReportPrinter() = default;
  virtual void Row(const FoundFile& file) = 0;
  virtual void Finish(const Summary& summary) = 0;
};

// `out` takes the listing; `err` the summary where the listing must stay a clean table.
std::unique_ptr<ReportPrinter> MakeReportPrinter(OutputFormat format, bool quiet, std::ostream& out, std::ostream& err);

// "37 file(s) found" or "No file found", then "Total Pages : 4210", one a line.
void PrintSummaryLines(std::ostream& stream, const Summary& summary);

}  // namespace folidex::cli
