#include "support/AccessTime.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <fstream>

namespace folidex::test {

std::time_t AccessTime(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 ? info.st_atim.tv_sec : -1;
}

std::time_t AgeAccessTime(const std::string& path) {
  const std::time_t old = std::time(nullptr) - 2 * 24 * 3600;
  const timespec times[2] = {{old, 0}, {0, UTIME_OMIT}};
  return utimensat(AT_FDCWD, path.c_str(), times, 0) == 0 ? old : -1;
}

bool ReadsMoveAccessTimes(const TempTree& tree) {
  const std::string probe = tree.Write(".access-time-probe", "x");
  const std::time_t aged = AgeAccessTime(probe);
  std::ifstream(probe).get();
  return aged > 0 && AccessTime(probe) != aged;
}

}  // namespace folidex::test
