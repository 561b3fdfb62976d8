#pragma once

#include <atomic>
#include <optional>
#include <string>

#include "cli/CliOptions.h"
#include "cli/PaperSizeStore.h"
#include "cli/SearchReport.h"
#include "core/search/CountingStage.h"
#include "core/search/FolderWalk.h"
#include "core/search/LiveCriteria.h"

namespace folidex::cli {

// Searches the paths of a run one after the other. A folder is walked. A file named is
// listed when it passes the date and size criteria (the name test and the hidden rule are
// for files found in folders: a file named is wanted); files named are counted on their own
// pool of threads and reported in the order given.
class PathSearch {
 public:
  // `paperSizes`, with --page-sizes, takes each file's pages by paper size.
  PathSearch(const CliOptions& options, SearchReport& report, const std::atomic<bool>& stop,
             PaperSizeStore* paperSizes = nullptr);

  void Search(const std::string& path);
  // Reports the files named whose counts are still under way.
  void Finish();

 private:
  const CliOptions& options_;
  SearchReport& report_;
  const std::atomic<bool>& stop_;
  LiveCriteria criteria_;
  WalkSettings settings_;
  std::optional<CountingStage> named_;
};

}  // namespace folidex::cli
