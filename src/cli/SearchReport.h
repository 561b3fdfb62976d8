#pragma once

#include <atomic>
#include <optional>
#include <string>

#include "cli/CliOptions.h"
#include "cli/DescriptorStream.h"
#include "cli/FolderTotals.h"
#include "cli/PaperSizeStore.h"
#include "cli/ProgressLine.h"
#include "cli/ReportPrinter.h"
#include "core/results/ResultTable.h"
#include "core/search/WalkEvent.h"

namespace folidex::cli {

// Turns what the searches of a run report into its output: each file goes to the printer
// (and to the export's table), the totals and the progress line follow, and a folder that
// cannot be read is named on standard error. Once standard output fails, `stop` is set,
// so that the search ends at once. With `flushEachFile` each file's line goes out as soon
// as it is printed, for a reader at the other end of a pipe (who may also go away).
class SearchReport {
 public:
  // `paperSizes`, with --page-sizes, holds the sizes read beside the counts.
  SearchReport(const CliOptions& options, ReportPrinter& printer, DescriptorStream& output, ProgressLine& progress,
               std::atomic<bool>& stop, bool flushEachFile, PaperSizeStore* paperSizes = nullptr);

  void operator()(const WalkEvent& event);
  // Names a path given, a folder met or a list that could not be read, with the reason.
  void CannotRead(const std::string& path, const std::string& reason);
  // Prints the end of the report, unless the output has failed.
  void Finish(bool cancelled);

  const Summary& Totals() const { return summary_; }
  bool ReadFailed() const { return readFailed_; }
  // Every file listed, for an export; empty without --export.
  const ResultTable& Exported() const { return exported_; }

 private:
  void FileFound(const FoundFile& file);

  ReportPrinter& printer_;
  DescriptorStream& output_;
  ProgressLine& progress_;
  std::atomic<bool>& stop_;
  bool flushEachFile_;
  bool exporting_;
  ResultTable exported_;
  std::optional<FolderTotals> folders_;
  PaperSizeStore* paperSizes_;
  Summary summary_;
  std::string folder_;
  bool readFailed_ = false;
};

}  // namespace folidex::cli
