#pragma once

#include "cli/ReportPrinter.h"

namespace folidex::cli {

// JSON Lines, for trees of any size: an object for each file as it is counted (unless
// quiet), then one for each folder's subtotal (with --by-folder), then the summary. The
// member "type" tells them apart: "file", "folder", "summary".
class JsonLinesReport : public ReportPrinter {
 public:
  JsonLinesReport(std::ostream& out, const Listing& listing) : out_(out), listing_(listing) {}
  void File(const ListedFile& listed) override;
  void Finish(const Report& report) override;

 private:
  std::ostream& out_;
  Listing listing_;
};

}  // namespace folidex::cli
