#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/search/FoundFile.h"

namespace folidex::cli {

// The subtotal of one folder: the files listed in it, their pages, and how many of them
// could not be counted.
struct FolderTotal {
  std::string location;  // as the Location column shows it
  std::int64_t files = 0;
  std::int64_t pages = 0;
  std::int64_t errors = 0;
};

// The subtotals of every folder a run meets, in the order it meets them: the folders the
// walk reads (also those where nothing is listed) and the folders of files named.
class FolderTotals {
 public:
  // The walk starts reading a folder (its path as the walk has it).
  void FolderStarted(const std::string& folder);
  // The folder just started could not be read: it is reported as such, not as empty.
  void FolderUnreadable(const std::string& folder);
  void Add(const FoundFile& file);

  const std::vector<FolderTotal>& Totals() const { return totals_; }

 private:
  FolderTotal& Find(const std::string& location);

  std::vector<FolderTotal> totals_;
  std::unordered_map<std::string, std::size_t> index_;
};

}  // namespace folidex::cli
