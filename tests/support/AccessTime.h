#pragma once

#include <ctime>
#include <string>

#include "support/TempTree.h"

namespace folidex::test {

// The file's access time in seconds; -1 when it cannot be read.
std::time_t AccessTime(const std::string& path);

// Sets the file's access time two days back, where a read moves it (under "relatime" as
// well), and returns it; -1 on failure.
std::time_t AgeAccessTime(const std::string& path);

// Whether reading a file in the tree moves its access time here at all (not on a "noatime" mount).
bool ReadsMoveAccessTimes(const TempTree& tree);

}  // namespace folidex::test
