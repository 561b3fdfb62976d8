#pragma once

#include <atomic>
#include <functional>
#include <string>

#include "core/common/LocalTime.h"
#include "core/search/LiveCriteria.h"
#include "core/search/WalkEvents.h"

namespace folidex {

// A full path in, a page count or a negative value out.
using PageCountFunction = std::function<int(const std::string& path)>;

struct WalkSettings {
  PageCountFunction countPages;  // empty: the standard page counter
  Clock now;                     // empty: the local clock
};

// Runs one search from `folder`: depth first, a folder's own files before its subfolders,
// reporting every step to `events` in walk order. Stops before the next file or folder
// once `cancelRequested` is set. A folder that cannot be read ends that folder only.
void RunSearch(const std::string& folder, const LiveCriteria& criteria, WalkEvents& events,
               const std::atomic<bool>& cancelRequested, const WalkSettings& settings = {});

}  // namespace folidex
