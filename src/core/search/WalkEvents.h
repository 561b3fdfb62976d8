#pragma once

#include <string>

#include "core/search/FileFacts.h"

namespace folidex {

struct FoundFile {
  FileFacts facts;
  int pages = -1;  // negative when the file could not be counted
};

// What a search reports, in walk order. The desktop program and the command-line
// counter each turn these into what they show.
class WalkEvents {
 public:
  virtual ~WalkEvents() = default;
  // A folder's scan begins ("Searching " + folder).
  virtual void FolderStarted(const std::string& folder) = 0;
  // The top folder's scan empties the previous results before its first file.
  virtual void ResultsCleared() = 0;
  virtual void FileFound(const FoundFile& file) = 0;
  // A folder's scan ends, after its subfolders: the time to refresh the totals.
  virtual void FolderFinished(const std::string& folder) = 0;
  virtual void SearchEnded(bool cancelled) = 0;
};

}  // namespace folidex
