#include "support/PeakMemory.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace folidex::test {
namespace {

long long PeakResidentBytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<long long>(usage.ru_maxrss) * 1024;
}

}  // namespace

long long PeakMemoryGrowthOf(const std::function<void()>& work) {
  int channel[2];
  if (pipe(channel) != 0) return -1;
  const pid_t child = fork();
  if (child == 0) {
    close(channel[0]);
    const long long before = PeakResidentBytes();
    work();
    const long long growth = PeakResidentBytes() - before;
    _exit(write(channel[1], &growth, sizeof growth) == sizeof growth ? 0 : 1);
  }
  close(channel[1]);
  long long growth = -1;
  if (read(channel[0], &growth, sizeof growth) != sizeof growth) growth = -1;
  close(channel[0]);
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  return growth;
}

}  // namespace folidex::test
