#pragma once

#include "cli/ReportPrinter.h"

namespace folidex::cli {

// One JSON object: the files (unless quiet), the folders' subtotals (with --by-folder),
// the file count, the error count, the total and whether the run was cancelled.
class JsonReport : public ReportPrinter {
 public:
  JsonReport(std::ostream& out, const Listing& listing);
  void File(const ListedFile& listed) override;
  void Finish(const Report& report) override;

 private:
  std::ostream& out_;
  Listing listing_;
  bool firstFile_ = true;
};

}  // namespace folidex::cli
