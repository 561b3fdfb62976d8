#include "cli/ExitStatus.h"

#include <cerrno>
#include <csignal>

namespace folidex::cli {

int ExitStatus(const RunOutcome& outcome) {
  if (outcome.stopSignal != 0) return 128 + outcome.stopSignal;
  if (outcome.writeError == EPIPE) return 128 + SIGPIPE;
  if (outcome.writeError != 0 || outcome.readFailed || outcome.exportFailed) return 1;
  if (outcome.countErrors > 0) return 3;
  return 0;
}

}  // namespace folidex::cli
