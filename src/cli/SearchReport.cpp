#include "cli/SearchReport.h"

#include <iostream>

#include "cli/TerminalText.h"
#include "core/common/Overloaded.h"

namespace folidex::cli {

SearchReport::SearchReport(const CliOptions& options, ReportPrinter& printer, DescriptorStream& output,
                           ProgressLine& progress, std::atomic<bool>& stop, bool flushEachFile,
                           PaperSizeStore* paperSizes)
    : printer_(printer),
      output_(output),
      progress_(progress),
      stop_(stop),
      flushEachFile_(flushEachFile),
      exporting_(!options.exportPath.empty()),
      paperSizes_(paperSizes) {
  if (options.byFolder) folders_.emplace();
  if (paperSizes_ != nullptr) summary_.paperSizes.emplace();
}

void SearchReport::operator()(const WalkEvent& event) {
  std::visit(Overloaded{
                 [&](const walk::FolderStarted& started) {
                   folder_ = started.folder;
                   if (folders_) folders_->FolderStarted(started.folder);
                   progress_.Update(folder_, summary_.files, summary_.totalPages);
                 },
                 [&](const FoundFile& file) { FileFound(file); },
                 [&](const walk::FolderUnreadable& unreadable) {
                   if (folders_) folders_->FolderUnreadable(unreadable.folder);
                   CannotRead(unreadable.folder, unreadable.reason);
                 },
                 [](const auto&) {},
             },
             event);
}

void SearchReport::FileFound(const FoundFile& file) {
  ++summary_.files;
  if (!file.pages.Counted()) ++summary_.errors;
  summary_.totalPages += file.pages.Pages();
  if (folders_) folders_->Add(file);
  if (exporting_) exported_.Append(file);
  std::optional<PaperSizeTally> sizes;
  if (paperSizes_ != nullptr) sizes = paperSizes_->Take(file.facts.fullPath);
  if (sizes) {
    AddPaperSizes(*summary_.paperSizes, *sizes);
  } else if (summary_.paperSizes && file.pages.Pages() > 0) {
    // Sizes that could not be read still show in the sum, so that it adds up to the total.
    (*summary_.paperSizes)[{PaperSize::Name::Unknown}] += file.pages.Pages();
  }
  printer_.File({file, sizes ? &*sizes : nullptr});
  if (flushEachFile_) output_.flush();
  if (output_.WriteError() != 0) stop_.store(true);
  progress_.Update(folder_, summary_.files, summary_.totalPages);
}

void SearchReport::CannotRead(const std::string& path, const std::string& reason) {
  progress_.Clear();
  std::cerr << "folidex-count: cannot read '" << TerminalText(path) << "': " << reason << '\n';
  readFailed_ = true;
}

void SearchReport::Finish(bool cancelled) {
  progress_.Clear();
  if (output_.WriteError() != 0) return;
  printer_.Finish({summary_, cancelled, folders_ ? &folders_->Totals() : nullptr});
  output_.flush();
}

}  // namespace folidex::cli
