#pragma once

#include <span>
#include <string>

#include "cli/ReportPrinter.h"

namespace folidex::cli {

// A header line and one line per file, each made by the format's line writer; with
// --by-folder the subtotals follow as a second table after an empty line. The summary goes
// to the other stream when a table is printed, so that the output stays clean for tools.
class DelimitedReport : public ReportPrinter {
 public:
  using LineWriter = std::string (*)(std::span<const std::string> cells);

  DelimitedReport(std::ostream& out, std::ostream& summaryStream, LineWriter line, const Listing& listing);
  void File(const ListedFile& listed) override;
  void Finish(const Report& report) override;

 private:
  std::ostream& out_;
  std::ostream& summaryStream_;
  LineWriter line_;
  Listing listing_;
};

}  // namespace folidex::cli
