#include "cli/PathList.h"

#include <cerrno>
#include <cstdlib>

#include "core/common/SystemErrorText.h"

namespace folidex::cli {

PathList::PathList(const std::string& file, char delimiter)
    : stream_(file == "-" ? stdin : std::fopen(file.c_str(), "re")), ownStream_(file != "-"), delimiter_(delimiter) {
  if (stream_ == nullptr) error_ = SystemErrorText(errno);
}

PathList::~PathList() {
  if (ownStream_ && stream_ != nullptr) std::fclose(stream_);
  std::free(line_);
}

std::optional<std::string> PathList::Next(const std::atomic<bool>& stop) {
  if (stream_ == nullptr) return std::nullopt;
  std::string path;
  while (!stop.load()) {
    const ssize_t length = getdelim(&line_, &capacity_, delimiter_, stream_);
    if (length > 0) path.append(line_, static_cast<std::size_t>(length));
    if (std::ferror(stream_)) {
      if (errno != EINTR) {
        error_ = SystemErrorText(errno);
        return std::nullopt;
      }
      std::clearerr(stream_);  // a signal came while waiting: go on with the path begun, unless stopped
      continue;
    }
    if (length < 0 && path.empty()) return std::nullopt;  // the end of the list
    if (!path.empty() && path.back() == delimiter_) path.pop_back();
    if (!path.empty()) return path;
  }
  return std::nullopt;
}

}  // namespace folidex::cli
