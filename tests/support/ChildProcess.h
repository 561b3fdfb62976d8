#pragma once

#include <functional>

namespace folidex::test {

// Runs `check` in a child process with the rights of "nobody" when the tests run as root
// (who may read, write and open anything), in this process otherwise. Returns what `check`
// returned.
bool RunAsOrdinaryUser(const std::function<bool()>& check);

// Runs `work` in a child process and returns how far the child's peak resident memory rose
// above what it held when it started, in bytes; negative when the child failed.
long long PeakMemoryGrowthOf(const std::function<void()>& work);

}  // namespace folidex::test
