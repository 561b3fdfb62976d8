#pragma once

#include <functional>

namespace folidex::test {

// Runs `work` in a child process and returns how far the child's peak resident memory rose
// above what it held when it started, in bytes; negative when the child failed.
long long PeakMemoryGrowthOf(const std::function<void()>& work);

}  // namespace folidex::test
