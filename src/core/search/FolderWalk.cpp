#include "core/search/FolderWalk.h"

#include <algorithm>
#include <set>
#include <thread>

#include "core/common/TrimBlanks.h"
#include "core/pdf/PageCounter.h"
#include "core/search/DateSizeTest.h"
#include "core/search/FolderListing.h"
#include "core/search/WildcardMatch.h"

namespace folidex {
namespace {

// The standard page counter, which stops a count under way once the search is cancelled.
PageCountFunction CountPagesUntil(const std::atomic<bool>& cancelRequested) {
  return [&cancelRequested](const std::string& path) { return CountPages(path, cancelRequested); };
}

unsigned JobCount(const WalkSettings& settings) {
  if (settings.jobs > 0) return settings.jobs;
  return std::max(1u, std::thread::hardware_concurrency());
}

class FolderWalk {
 public:
  FolderWalk(const LiveCriteria& criteria, const WalkEventSink& events, const std::atomic<bool>& cancelRequested,
             const WalkSettings& settings)
      : criteria_(criteria),
        events_(events),
        cancelRequested_(cancelRequested),
        now_(settings.now ? settings.now : Clock{LocalNow}),
        stage_(events, settings.countPages ? settings.countPages : CountPagesUntil(cancelRequested), JobCount(settings),
               cancelRequested) {}

  void Run(const std::string& top) {
    if (const auto identity = IdentifyFolder(top)) visited_.insert(*identity);
    ScanFolder(top, true);
    stage_.Flush();
    events_(walk::SearchEnded{Cancelled()});
  }

 private:
  bool Cancelled() const { return cancelRequested_.load(std::memory_order_relaxed); }

  void ScanFolder(const std::string& folder, bool clearResults) {
    if (!Cancelled()) ScanContents(folder, clearResults);
    stage_.Post(walk::FolderFinished{folder});
  }

  void ScanContents(const std::string& folder, bool clearResults) {
    const std::vector<std::string> patterns = SplitFilterPatterns(criteria_.Get()->filterText);
    stage_.Post(walk::FolderStarted{folder});
    if (clearResults) stage_.Post(walk::ResultsCleared{});

    std::string error;
    std::optional<FolderListing> listing = ListFolder(folder, error);
    if (!listing) {
      stage_.Post(walk::FolderUnreadable{folder, std::move(error)});
      return;
    }
    for (FileFacts& file : listing->files) {
      if (Cancelled()) return;
      if (Listed(file, patterns)) stage_.Post(FoundFile{std::move(file), {}});
    }
    if (!criteria_.Get()->includeSubfolders) return;
    for (const Subfolder& subfolder : listing->subfolders) {
      if (!visited_.insert(subfolder.identity).second) continue;  // a link back to a folder already walked
      ScanFolder(subfolder.path, false);
    }
  }

  bool Listed(const FileFacts& file, const std::vector<std::string>& patterns) const {
    const std::shared_ptr<const SearchCriteria> criteria = criteria_.Get();
    if (file.hidden && !criteria->showHidden) return false;
    const std::string_view filter = TrimBlanks(criteria->filterText);
    if (filter != "*.*" && !filter.empty() && !MatchesAnyPattern(file.name, patterns)) return false;
    // The clock is read only when a criterion may need it.
    if (!criteria->dateEnabled && !criteria->sizeEnabled) return true;
    return MatchesDateAndSize(*criteria, file, now_());
  }

  const LiveCriteria& criteria_;
  const WalkEventSink& events_;
  const std::atomic<bool>& cancelRequested_;
  Clock now_;
  std::set<FolderIdentity> visited_;
  CountingStage stage_;
};

}  // namespace

void RunSearch(const std::string& folder, const LiveCriteria& criteria, const WalkEventSink& events,
               const std::atomic<bool>& cancelRequested, const WalkSettings& settings) {
  FolderWalk(criteria, events, cancelRequested, settings).Run(folder);
}

}  // namespace folidex
