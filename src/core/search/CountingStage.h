#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/search/WalkEvent.h"

namespace folidex {

// A full path in, its pages or why they could not be counted out.
using PageCountFunction = std::function<PageCount(const std::string& path)>;

// Counts the pages of the files a walk lists on a pool of threads and hands every event
// on to the sink in walk order, on the walk's own thread. `jobs` threads count: the walk's
// own thread and `jobs - 1` workers; with one job it counts in line. Rather than wait for
// a count, the walk's thread takes one from the queue itself. At most a few dozen files per
// thread are in flight, so memory stays flat however long the walk. Once the search is
// cancelled no further count starts, and a count that the cancel stopped is not reported;
// files already counted are still reported.
class CountingStage {
 public:
  CountingStage(WalkEventSink sink, PageCountFunction countPages, unsigned jobs,
                const std::atomic<bool>& cancelRequested);
  ~CountingStage();
  CountingStage(const CountingStage&) = delete;
  CountingStage& operator=(const CountingStage&) = delete;

  // Takes the walk's next event; a FoundFile is passed on once its pages are counted.
  void Post(WalkEvent event);
  // Reports everything still pending, waiting for the counts under way.
  void Flush();

 private:
  struct Pending {
    WalkEvent event;
    bool counted = false;  // nothing left to do before it is reported
    bool skipped = false;  // a file cancelled before its count started
  };

  void Deliver(Pending& event);
  void DeliverReady(bool waitForAll);
  // Counts the file at the head of the queue; `lock` holds the mutex, released meanwhile.
  void CountNext(std::unique_lock<std::mutex>& lock);
  void Work();
  // True for a failed count when the search was cancelled: the count was stopped, not the
  // file found unreadable, so the file is left out like those whose count never started.
  bool CutByCancel(const PageCount& pages) const;

  WalkEventSink sink_;
  PageCountFunction countPages_;
  const std::atomic<bool>& cancelRequested_;
  const std::size_t window_;

  std::mutex mutex_;
  std::condition_variable workReady_;
  std::condition_variable countDone_;
  std::deque<Pending> pending_;  // every event not yet reported, in walk order
  std::deque<Pending*> work_;    // files whose count has not started
  std::size_t filesPending_ = 0;
  unsigned idleWorkers_ = 0;
  bool walkWaiting_ = false;
  bool stopping_ = false;
  std::vector<std::thread> workers_;
};

}  // namespace folidex
