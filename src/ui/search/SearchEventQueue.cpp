#include "ui/search/SearchEventQueue.h"

namespace folidex {

void SearchEventQueue::FolderStarted(const std::string& folder) {
  Push({SearchEvent::Kind::FolderStarted, folder, {}, false});
}

void SearchEventQueue::ResultsCleared() { Push({SearchEvent::Kind::ResultsCleared, {}, {}, false}); }

void SearchEventQueue::FileFound(const FoundFile& file) { Push({SearchEvent::Kind::FileFound, {}, file, false}); }

void SearchEventQueue::FolderFinished(const std::string& folder) {
  Push({SearchEvent::Kind::FolderFinished, folder, {}, false});
}

void SearchEventQueue::SearchEnded(bool cancelled) { Push({SearchEvent::Kind::SearchEnded, {}, {}, cancelled}); }

void SearchEventQueue::Push(SearchEvent event) {
  bool wasEmpty = false;
  {
    std::lock_guard lock(mutex_);
    wasEmpty = events_.empty();
    events_.push_back(std::move(event));
  }
  if (wasEmpty) wake_();
}

std::vector<SearchEvent> SearchEventQueue::Take(std::size_t limit) {
  std::lock_guard lock(mutex_);
  const std::size_t count = std::min(limit, events_.size());
  std::vector<SearchEvent> taken(std::make_move_iterator(events_.begin()),
                                 std::make_move_iterator(events_.begin() + static_cast<std::ptrdiff_t>(count)));
  events_.erase(events_.begin(), events_.begin() + static_cast<std::ptrdiff_t>(count));
  return taken;
}

void SearchEventQueue::Clear() {
  std::lock_guard lock(mutex_);
  events_.clear();
}

}  // namespace folidex
