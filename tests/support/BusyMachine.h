#pragma once

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace folidex::test {

// Keeps every processor busy, with `threadsPerProcessor` spinning threads for each, until
// destroyed: the machine load under which a count must come out the same.
class BusyMachine {
 public:
  explicit BusyMachine(unsigned threadsPerProcessor) {
    const unsigned processors = std::max(1u, std::thread::hardware_concurrency());
    for (unsigned i = 0; i < threadsPerProcessor * processors; ++i) {
      threads_.emplace_back([this] {
        volatile unsigned long spin = 0;
        while (!stop_.load(std::memory_order_relaxed)) spin = spin + 1;
      });
    }
  }
  ~BusyMachine() {
    stop_ = true;
    for (std::thread& thread : threads_) thread.join();
  }
  BusyMachine(const BusyMachine&) = delete;
  BusyMachine& operator=(const BusyMachine&) = delete;

 private:
  std::atomic<bool> stop_{false};
  std::vector<std::thread> threads_;
};

}  // namespace folidex::test
