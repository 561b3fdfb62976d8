#pragma once

#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "core/search/WalkEvents.h"

namespace folidex {

// One event of a running search, as the walk reported it.
struct SearchEvent {
  enum class Kind { FolderStarted, ResultsCleared, FileFound, FolderFinished, SearchEnded };
  Kind kind;
  std::string folder;      // FolderStarted, FolderFinished
  FoundFile file;          // FileFound
  bool cancelled = false;  // SearchEnded
};

// The walk's event sink on the worker thread: keeps the events in walk order until the
// user-interface thread takes them. `wake` runs (on the worker thread) whenever an event
// arrives in an empty queue, so the taker is called once per burst and not once per event.
class SearchEventQueue : public WalkEvents {
 public:
  explicit SearchEventQueue(std::function<void()> wake) : wake_(std::move(wake)) {}

  void FolderStarted(const std::string& folder) override;
  void ResultsCleared() override;
  void FileFound(const FoundFile& file) override;
  void FolderFinished(const std::string& folder) override;
  void SearchEnded(bool cancelled) override;

  // Up to `limit` of the oldest events, in walk order.
  std::vector<SearchEvent> Take(std::size_t limit);
  void Clear();

 private:
  void Push(SearchEvent event);

  std::function<void()> wake_;
  std::mutex mutex_;
  std::deque<SearchEvent> events_;
};

}  // namespace folidex
