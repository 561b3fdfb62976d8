#pragma once

#include "cli/ReportPrinter.h"

namespace folidex::cli {

// One JSON object: the files (unless quiet), the file count, the error count and the total.
class JsonReport : public ReportPrinter {
 public:
  JsonReport(std::ostream& out, bool quiet);
  void Row(const FoundFile& file) override;
  void Finish(const Summary& summary) override;

 private:
  std::ostream& out_;
  bool quiet_;
  bool firstRow_ = true;
};

}  // namespace folidex::cli
