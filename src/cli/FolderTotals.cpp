#include "cli/FolderTotals.h"

#include "core/search/FolderListing.h"

namespace folidex::cli {

FolderTotal& FolderTotals::Find(const std::string& location) {
  const auto [entry, added] = index_.try_emplace(location, totals_.size());
  if (added) totals_.push_back({location});
  return totals_[entry->second];
}

void FolderTotals::FolderStarted(const std::string& folder) { Find(LocationText(folder)); }

void FolderTotals::FolderUnreadable(const std::string& folder) {
  const std::string location = LocationText(folder);
  if (totals_.empty() || totals_.back().location != location || totals_.back().files > 0) return;
  index_.erase(location);
  totals_.pop_back();
}

void FolderTotals::Add(const FoundFile& file) {
  FolderTotal& total = Find(file.facts.folder);
  ++total.files;
  total.pages += file.pages.Pages();
  if (!file.pages.Counted()) ++total.errors;
}

}  // namespace folidex::cli
