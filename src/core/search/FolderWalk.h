#pragma once

#include <atomic>
#include <functional>
#include <string>

#include "core/common/LocalTime.h"
#include "core/search/CountingStage.h"
#include "core/search/LiveCriteria.h"
#include "core/search/WalkEvent.h"

namespace folidex {

struct WalkSettings {
  PageCountFunction countPages;  // empty: the standard page counter
  Clock now;                     // empty: the local clock
  unsigned jobs = 0;             // page counts in flight at once; 0: one per hardware thread
};

// Runs one search from `folder`: depth first, a folder's own files before its subfolders,
// reporting every step to `events` in walk order, on the calling thread, while the pages
// are counted on `jobs` threads. Stops before the next file or folder once
// `cancelRequested` is set. A folder that cannot be read is reported and ends that folder only.
void RunSearch(const std::string& folder, const LiveCriteria& criteria, const WalkEventSink& events,
               const std::atomic<bool>& cancelRequested, const WalkSettings& settings = {});

}  // namespace folidex
