#pragma once

#include <atomic>
#include <cstdio>
#include <optional>
#include <string>

namespace folidex::cli {

// The paths of --files-from, read one at a time as the search goes, so that a list from
// another program is searched while it is being written. Each path ends in the delimiter
// (a line end, or NUL for lists from find -print0); empty ones are skipped.
class PathList {
 public:
  // `file` "-" reads standard input.
  PathList(const std::string& file, char delimiter);
  ~PathList();
  PathList(const PathList&) = delete;
  PathList& operator=(const PathList&) = delete;

  // The next path; nothing at the end of the list, once `stop` is set (a signal also ends
  // a wait for input), or when the list cannot be read: then Error() says why.
  std::optional<std::string> Next(const std::atomic<bool>& stop);
  const std::string& Error() const { return error_; }

 private:
  std::FILE* stream_;
  bool ownStream_;
  char delimiter_;
  std::string error_;
  char* line_ = nullptr;
  std::size_t capacity_ = 0;
};

}  // namespace folidex::cli
