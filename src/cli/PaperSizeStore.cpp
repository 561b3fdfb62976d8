#include "cli/PaperSizeStore.h"

namespace folidex::cli {

void PaperSizeStore::Put(const std::string& path, std::optional<PaperSizeTally> sizes) {
  const std::lock_guard<std::mutex> lock(mutex_);
  sizes_.emplace(path, std::move(sizes));
}

std::optional<PaperSizeTally> PaperSizeStore::Take(const std::string& path) {
  const std::lock_guard<std::mutex> lock(mutex_);
  const auto found = sizes_.find(path);
  if (found == sizes_.end()) return std::nullopt;
  std::optional<PaperSizeTally> sizes = std::move(found->second);
  sizes_.erase(found);
  return sizes;
}

}  // namespace folidex::cli
