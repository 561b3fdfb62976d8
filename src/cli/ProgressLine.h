#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

namespace folidex::cli {

// A one-line progress report on a terminal (folder being searched, files and pages so
// far), redrawn at most ten times a second and erased at the end; control characters in
// the folder's name are shown escaped. Silent elsewhere.
class ProgressLine {
 public:
  explicit ProgressLine(std::FILE* terminal);
  ~ProgressLine();
  void Update(const std::string& folder, std::int64_t files, std::int64_t pages);
  void Clear();

 private:
  std::FILE* terminal_;
  std::chrono::steady_clock::time_point lastDrawn_{};
  bool shown_ = false;
};

}  // namespace folidex::cli
