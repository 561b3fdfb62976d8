#include "cli/DelimitedReport.h"

#include "cli/ListedColumns.h"

namespace folidex::cli {

DelimitedReport::DelimitedReport(std::ostream& out, std::ostream& summaryStream, LineWriter line, bool quiet,
                                 bool withPaperSizes)
    : out_(out), summaryStream_(summaryStream), line_(line), quiet_(quiet) {
  if (!quiet_) out_ << line_(FileColumns(withPaperSizes).captions) << '\n';
}

void DelimitedReport::File(const ListedFile& listed) {
  if (!quiet_) out_ << line_(FileCells(listed)) << '\n';
}

void DelimitedReport::Finish(const Report& report) {
  bool tablePrinted = !quiet_;
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
