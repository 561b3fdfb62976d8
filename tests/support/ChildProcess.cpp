#include "support/ChildProcess.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace folidex::test {
namespace {

// Runs `body` in a child process; its result, a number, comes back through a pipe.
long long InChild(const std::function<long long()>& body) {
  int channel[2];
  if (pipe(channel) != 0) return -1;
  const pid_t child = fork();
  if (child == 0) {
    close(channel[0]);
    const long long result = body();
    _exit(write(channel[1], &result, sizeof result) == sizeof result ? 0 : 1);
  }
  close(channel[1]);
  long long result = -1;
  if (read(channel[0], &result, sizeof result) != sizeof result) result = -1;
  close(channel[0]);
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  return result;
}

long long PeakResidentBytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<long long>(usage.ru_maxrss) * 1024;
}

}  // namespace

bool RunAsOrdinaryUser(const std::function<bool()>& check) {
  if (geteuid() != 0) return check();
  return InChild([&check] { return setgid(65534) == 0 && setuid(65534) == 0 && check() ? 1LL : 0LL; }) == 1;
}

long long PeakMemoryGrowthOf(const std::function<void()>& work) {
  return InChild([&work] {
    const long long before = PeakResidentBytes();
    work();
    return PeakResidentBytes() - before;
  });
}

}  // namespace folidex::test
