#pragma once

#include <deque>
#include <functional>
#include <mutex>
#include <vector>

#include "core/search/WalkEvent.h"

namespace folidex {

// The walk's events on their way from the worker thread to the user-interface thread,
// kept in walk order until that thread takes them. `wake` runs (on the worker thread)
// whenever an event arrives in an empty queue, so the taker is called once per burst and
// not once per event.
class SearchEventQueue {
 public:
  explicit SearchEventQueue(std::function<void()> wake) : wake_(std::move(wake)) {}

  void Push(WalkEvent event);
  // Up to `limit` of the oldest events, in walk order.
  std::vector<WalkEvent> Take(std::size_t limit);
  void Clear();

 private:
  std::function<void()> wake_;
  std::mutex mutex_;
  std::deque<WalkEvent> events_;
};

}  // namespace folidex
