#include "ui/search/SearchEventQueue.h"

namespace folidex {

void SearchEventQueue::Push(WalkEvent event) {
  bool wasEmpty = false;
  {
    std::lock_guard lock(mutex_);
    wasEmpty = events_.empty();
    events_.push_back(std::move(event));
  }
  if (wasEmpty) wake_();
}

std::vector<WalkEvent> SearchEventQueue::Take(std::size_t limit) {
  std::lock_guard lock(mutex_);
  const std::size_t count = std::min(limit, events_.size());
  std::vector<WalkEvent> taken(std::make_move_iterator(events_.begin()),
                               std::make_move_iterator(events_.begin() + static_cast<std::ptrdiff_t>(count)));
  events_.erase(events_.begin(), events_.begin() + static_cast<std::ptrdiff_t>(count));
  return taken;
}

void SearchEventQueue::Clear() {
  std::lock_guard lock(mutex_);
  events_.clear();
}

}  // namespace folidex
