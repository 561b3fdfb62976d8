#pragma once

#include <functional>
#include <string>
#include <variant>

#include "core/search/FoundFile.h"

namespace folidex {

// What a search reports, in walk order. The desktop program and the command-line counter
// each turn these into what they show.
namespace walk {

// A folder's scan begins ("Searching " + folder).
struct FolderStarted {
  std::string folder;
};
// The top folder's scan empties the previous results before its first file.
struct ResultsCleared {};
// A folder could not be opened or listed; its files and subfolders are skipped.
struct FolderUnreadable {
  std::string folder;
  std::string reason;  // the system's description of the error
};
// A folder's scan ends, after its subfolders: the time to refresh the totals.
struct FolderFinished {
  std::string folder;
};
struct SearchEnded {
  bool cancelled = false;
};

}  // namespace walk

// A listed file is reported as the FoundFile itself, its pages counted.
using WalkEvent = std::variant<walk::FolderStarted, walk::ResultsCleared, FoundFile, walk::FolderUnreadable,
                               walk::FolderFinished, walk::SearchEnded>;

// Where a search delivers its events.
using WalkEventSink = std::function<void(WalkEvent event)>;

}  // namespace folidex
