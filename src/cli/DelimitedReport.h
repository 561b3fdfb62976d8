#pragma once

#include <string>

#include "cli/ReportPrinter.h"

namespace folidex::cli {

// A header line and one line per file, fields joined by the separator and quoted where
// needed; the summary goes to the other stream so that the listing stays a clean table.
class DelimitedReport : public ReportPrinter {
 public:
  DelimitedReport(std::ostream& out, std::ostream& summaryStream, std::string separator);
  void Row(const FoundFile& file) override;
  void Finish(const Summary& summary) override;

 private:
  std::ostream& out_;
  std::ostream& summaryStream_;
  std::string separator_;
};

}  // namespace folidex::cli
