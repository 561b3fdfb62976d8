#include "cli/DelimitedReport.h"

#include "cli/ListedColumns.h"

namespace folidex::cli {

DelimitedReport::DelimitedReport(std::ostream& out, std::ostream& summaryStream, LineWriter line,
                                 const Listing& listing)
    : out_(out), summaryStream_(summaryStream), line_(line), listing_(listing) {
  if (!listing_.quiet) out_ << line_(FileColumns(listing_).captions) << '\n';
}

void DelimitedReport::File(const ListedFile& listed) {
  if (!listing_.quiet) out_ << line_(FileCells(listed, listing_)) << '\n';
}

void DelimitedReport::Finish(const Report& report) {
  bool tablePrinted = !listing_.quiet;
  if (report.folders != nullptr) {
    if (tablePrinted) out_ << '\n';
    out_ << line_(FolderColumns().captions) << '\n';
    for (const FolderTotal& folder : *report.folders) out_ << line_(FolderCells(folder)) << '\n';
    tablePrinted = true;
  }
  out_.flush();
  PrintSummaryLines(tablePrinted ? summaryStream_ : out_, report.summary);
}

}  // namespace folidex::cli
