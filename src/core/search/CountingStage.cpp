#include "core/search/CountingStage.h"

namespace folidex {
namespace {

// Files listed ahead of the counts, for each thread that counts. The walk lists a whole
// folder at a time; the files queued meanwhile keep the workers busy.
constexpr std::size_t kFilesInFlightPerJob = 32;

}  // namespace

CountingStage::CountingStage(WalkEventSink sink, PageCountFunction countPages, unsigned jobs,
                             const std::atomic<bool>& cancelRequested)
    : sink_(std::move(sink)),
      countPages_(std::move(countPages)),
      cancelRequested_(cancelRequested),
      window_(kFilesInFlightPerJob * jobs) {
  if (jobs <= 1) return;
  workers_.reserve(jobs - 1);
  for (unsigned i = 1; i < jobs; ++i) workers_.emplace_back([this] { Work(); });
}

CountingStage::~CountingStage() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  workReady_.notify_all();
  for (std::thread& worker : workers_) worker.join();
}

void CountingStage::Post(WalkEvent event) {
  const bool isFile = std::holds_alternative<FoundFile>(event);
  if (workers_.empty()) {
    if (isFile) {
      FoundFile& file = std::get<FoundFile>(event);
      PageCount pages = countPages_(file.facts.fullPath);
      if (CutByCancel(pages)) return;
      file.pages = std::move(pages);
    }
    sink_(std::move(event));
    return;
  }
  bool wake = false;
  {
    std::lock_guard lock(mutex_);
    pending_.push_back({std::move(event), !isFile, false});
    if (isFile) {
      work_.push_back(&pending_.back());
      ++filesPending_;
      wake = idleWorkers_ > 0;
    }
  }
  if (wake) workReady_.notify_one();
  DeliverReady(false);
}

void CountingStage::Flush() {
  if (!workers_.empty()) DeliverReady(true);
}

void CountingStage::Deliver(Pending& event) {
  if (!event.skipped) sink_(std::move(event.event));
}

// Reports the events at the front whose counts are done. While too many files are in
// flight, or, with `waitForAll`, until nothing is left, counts queued files or waits.
void CountingStage::DeliverReady(bool waitForAll) {
  for (;;) {
    std::vector<Pending> ready;
    {
      std::unique_lock lock(mutex_);
      const auto frontReady = [this] { return !pending_.empty() && pending_.front().counted; };
      const auto mustWait = [this, waitForAll] { return waitForAll ? !pending_.empty() : filesPending_ >= window_; };
      while (!frontReady() && mustWait()) {
        if (!work_.empty()) {
          CountNext(lock);
          continue;
        }
        walkWaiting_ = true;
        countDone_.wait(lock);
        walkWaiting_ = false;
      }
      while (frontReady()) {
        if (std::holds_alternative<FoundFile>(pending_.front().event)) --filesPending_;
        ready.push_back(std::move(pending_.front()));
        pending_.pop_front();
      }
      if (ready.empty()) return;
    }
    for (Pending& event : ready) Deliver(event);
  }
}

void CountingStage::CountNext(std::unique_lock<std::mutex>& lock) {
  Pending* job = work_.front();
  work_.pop_front();
  if (cancelRequested_.load(std::memory_order_relaxed)) {
    job->skipped = true;
  } else {
    FoundFile& file = std::get<FoundFile>(job->event);
    const std::string path = file.facts.fullPath;
    lock.unlock();
    PageCount pages = countPages_(path);
    lock.lock();
    job->skipped = CutByCancel(pages);
    file.pages = std::move(pages);
  }
  job->counted = true;
}

bool CountingStage::CutByCancel(const PageCount& pages) const {
  return !pages.Counted() && cancelRequested_.load(std::memory_order_relaxed);
}

void CountingStage::Work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    while (!stopping_ && work_.empty()) {
      ++idleWorkers_;
      workReady_.wait(lock);
      --idleWorkers_;
    }
    if (work_.empty()) return;
    CountNext(lock);
    if (walkWaiting_) countDone_.notify_one();
  }
}

}  // namespace folidex
