#include "cli/PathSearch.h"

#include <algorithm>
#include <thread>

#include "core/common/LocalTime.h"
#include "core/pdf/PageSizes.h"
#include "core/search/DateSizeTest.h"
#include "core/search/FolderListing.h"

namespace folidex::cli {

PathSearch::PathSearch(const CliOptions& options, SearchReport& report, const std::atomic<bool>& stop,
                       PaperSizeStore* paperSizes)
    : options_(options), report_(report), stop_(stop), criteria_(options.criteria) {
  settings_.jobs = options.jobs > 0 ? options.jobs : std::max(1u, std::thread::hardware_concurrency());
  settings_.countPages = [engine = options.engine, &stop, paperSizes](const std::string& file) {
    PageCount pages = CountPagesWith(engine, file, stop);
    // The sizes are read on the counting thread, right after the count of the same file.
    if (paperSizes != nullptr) paperSizes->Put(file, ReadPaperSizes(file, pages, stop));
    return pages;
  };
}

void PathSearch::Search(const std::string& path) {
  if (stop_.load()) return;
  if (IdentifyFolder(path)) {
    Finish();  // the files named before are reported first
    RunSearch(path, criteria_, std::ref(report_), stop_, settings_);
    return;
  }
  std::string error;
  std::optional<FileFacts> file = ReadFileFacts(path, error);
  if (!file) {
    report_.CannotRead(path, error);
    return;
  }
  const SearchCriteria& criteria = options_.criteria;
  if ((criteria.dateEnabled || criteria.sizeEnabled) && !MatchesDateAndSize(criteria, *file, LocalNow())) return;
  if (!named_) named_.emplace(std::ref(report_), settings_.countPages, settings_.jobs, stop_);
  named_->Post(FoundFile{std::move(*file), {}});
}

void PathSearch::Finish() {
  if (named_) named_->Flush();
}

}  // namespace folidex::cli
