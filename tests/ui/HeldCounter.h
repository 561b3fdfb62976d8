#pragma once

#include <condition_variable>
#include <mutex>

#include "core/search/FolderWalk.h"

namespace folidex::test {

// A page counter that holds each count while it is closed, so that a search runs until
// the test lets it end; every file has `pages` pages.
class HeldCounter {
 public:
  explicit HeldCounter(int pages = 1) : pages_(pages) {}

  WalkSettings Settings() {
    WalkSettings settings;
    settings.countPages = [this](const std::string&) {
      std::unique_lock lock(mutex_);
      changed_.wait(lock, [this] { return open_; });
      return PageCount(pages_);
    };
    return settings;
  }
  void SetOpen(bool open) {
    const std::lock_guard lock(mutex_);
    open_ = open;
    changed_.notify_all();
  }

 private:
  const int pages_;
  std::mutex mutex_;
  std::condition_variable changed_;
  bool open_ = false;
};

}  // namespace folidex::test
