#pragma once

#include <memory>
#include <mutex>

#include "core/search/SearchCriteria.h"

namespace folidex {

// The criteria a running search reads for each file it judges; the search panel may
// replace them from another thread at any time, and later files see the change.
class LiveCriteria {
 public:
  explicit LiveCriteria(SearchCriteria initial = {})
      : current_(std::make_shared<const SearchCriteria>(std::move(initial))) {}

  std::shared_ptr<const SearchCriteria> Get() const {
    std::lock_guard lock(mutex_);
    return current_;
  }

  void Set(SearchCriteria criteria) {
    auto next = std::make_shared<const SearchCriteria>(std::move(criteria));
    std::lock_guard lock(mutex_);
    current_ = std::move(next);
  }

 private:
  mutable std::mutex mutex_;
  std::shared_ptr<const SearchCriteria> current_;
};

}  // namespace folidex
