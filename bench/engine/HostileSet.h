#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace folidex::bench {

// One file of the hostile set: its name and what makes its bytes; for a sparse file, the
// bytes are its head and `sparseSize` its size.
struct HostileCase {
  std::string name;
  std::function<std::string()> make;
  std::int64_t sparseSize = 0;
};

// The hostile set of the engine benchmark: each case above, cut and damaged files, and
// files from 1 KiB to 2 GiB (sparse) with and without a header.
std::vector<HostileCase> HostileSet();

// Writes `file` into `folder` and returns its path; empty on failure.
std::string WriteHostileCase(const std::string& folder, const HostileCase& file);

}  // namespace folidex::bench
