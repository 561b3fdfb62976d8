#pragma once

#include <string>
#include <vector>

#include "cli/ReportPrinter.h"

namespace folidex::cli {

// Aligned columns for reading on a terminal, control characters in names escaped; rows are
// kept until the end to size the columns. With --by-folder the subtotals follow as a
// second table; the summary comes last.
class TableReport : public ReportPrinter {
 public:
  TableReport(std::ostream& out, const Listing& listing) : out_(out), listing_(listing) {}
  void File(const ListedFile& listed) override;
  void Finish(const Report& report) override;

 private:
  using Lines = std::vector<std::vector<std::string>>;

  std::ostream& out_;
  Listing listing_;
  Lines lines_;
};

}  // namespace folidex::cli
