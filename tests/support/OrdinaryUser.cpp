#include "support/OrdinaryUser.h"

#include <sys/wait.h>
#include <unistd.h>

namespace folidex::test {

bool RunAsOrdinaryUser(const std::function<bool()>& check) {
  if (geteuid() != 0) return check();
  constexpr uid_t kNobody = 65534;
  const pid_t child = fork();
  if (child == 0) _exit(setgid(kNobody) == 0 && setuid(kNobody) == 0 && check() ? 0 : 1);
  int status = 0;
  return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace folidex::test
