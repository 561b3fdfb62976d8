#pragma once

#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

#include "core/pdf/PaperSize.h"

namespace folidex::cli {

// The pages by paper size of the files being counted (--page-sizes): read on the counting
// threads beside each count, and kept until the file's line is printed.
class PaperSizeStore {
 public:
  // `sizes` is empty when they could not be read.
  void Put(const std::string& path, std::optional<PaperSizeTally> sizes);
  // The sizes put for `path` (once for each time they were put); empty when none were.
  std::optional<PaperSizeTally> Take(const std::string& path);

 private:
  std::mutex mutex_;
  std::unordered_multimap<std::string, std::optional<PaperSizeTally>> sizes_;
};

}  // namespace folidex::cli
