#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

#include "cli/CliOptions.h"
#include "cli/FolderTotals.h"
#include "core/pdf/PaperSize.h"
#include "core/search/FoundFile.h"

namespace folidex::cli {

struct Summary {
  std::int64_t files = 0;
  std::int64_t errors = 0;  // files whose pages could not be counted
  std::int64_t totalPages = 0;
  std::optional<PaperSizeTally> paperSizes;  // with --page-sizes: the pages of every file counted
};

// What a report lists of each file, beside the result columns, whatever its format.
struct Listing {
  bool quiet = false;       // no file at all: only the subtotals and the summary
  bool paperSizes = false;  // the pages by paper size
  bool reasons = false;     // why a file shows "Error" (JSON always says)
};

// A file as a report lists it, and with --page-sizes its pages by paper size.
struct ListedFile {
  const FoundFile& file;
  const PaperSizeTally* paperSizes = nullptr;  // null when they were not or could not be read
};

// What a run found, for the end of its report.
struct Report {
  Summary summary;
  bool cancelled = false;                             // stopped by the user: the totals are partial
  const std::vector<FolderTotal>* folders = nullptr;  // with --by-folder
};

// Prints the files a search lists and the report at its end, in one output format.
class ReportPrinter {
 public:
  virtual ~ReportPrinter() = default;
  virtual void File(const ListedFile& listed) = 0;
  virtual void Finish(const Report& report) = 0;
};

// `out` takes the listing; `err` the summary where the listing must stay a clean table.
std::unique_ptr<ReportPrinter> MakeReportPrinter(const CliOptions& options, std::ostream& out, std::ostream& err);

// "37 file(s) found" or "No file found", then "Total Pages : 4210", one a line, and with
// --page-sizes "Page Sizes : A4: 4100, A3: 110, Unknown: 12".
void PrintSummaryLines(std::ostream& stream, const Summary& summary);

}  // namespace folidex::cli
