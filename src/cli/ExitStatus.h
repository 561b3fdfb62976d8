#pragma once

#include <cstdint>

namespace folidex::cli {

// What a run's exit status tells, from the most serious to the least.
struct RunOutcome {
  int stopSignal = 0;            // SIGINT or SIGTERM, when one stopped the run
  int writeError = 0;            // errno of a failed write on standard output
  bool readFailed = false;       // a path given, a folder met or the list could not be read
  bool exportFailed = false;     // the export file could not be written
  std::int64_t countErrors = 0;  // files listed that show "Error"
};

inline constexpr int kUsageStatus = 2;

// 128 + the signal when stopped by one (130, 143); 141 (as SIGPIPE would give) when the
// reader of standard output went away; 1 when something could not be read or written;
// 3 when a file listed could not be counted; 0 when every file listed was.
int ExitStatus(const RunOutcome& outcome);

}  // namespace folidex::cli
