// Counts a generated hostile set file by file, each in a process of its own, and
// reports each file's result, wall time and peak memory (the child's maximum resident set),
// first on the idle machine, then with every processor kept busy by spinning threads, and
// lists every file whose result differs between the two runs.
//
//   folidex-hostile-bench [FOLDER]
//
// The set is written into FOLDER (default: a temporary folder, removed afterwards); files
// already there with the right name are reused. Sparse files take no disk space.

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "HostileSet.h"
#include "core/pdf/PageCounter.h"
#include "support/BusyMachine.h"
#include "support/TempTree.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Measure {
  int pages = 0;
  double seconds = 0;
  long peakKiB = 0;
};

// Counts `path` in a fresh process (this program run again with --count), so that its
// peak memory is that of the count alone; the child hands its count back through a pipe.
Measure CountInChild(const std::string& path) {
  int channel[2];
  if (pipe(channel) != 0) return {-2, 0, 0};
  const Clock::time_point start = Clock::now();
  const pid_t child = fork();
  if (child == 0) {
    close(channel[0]);
    dup2(channel[1], STDOUT_FILENO);
    execl("/proc/self/exe", "folidex-hostile-bench", "--count", path.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(channel[1]);
  Measure measure;
  char text[32] = {};
  const ssize_t got = read(channel[0], text, sizeof text - 1);
  measure.pages = got > 0 ? std::atoi(text) : -2;
  close(channel[0]);
  int status = 0;
  struct rusage usage {};
  wait4(child, &status, 0, &usage);
  measure.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  measure.peakKiB = usage.ru_maxrss;
  return measure;
}

std::vector<Measure> CountAll(const std::vector<std::string>& paths) {
  std::vector<Measure> measures;
  for (const std::string& path : paths) measures.push_back(CountInChild(path));
  return measures;
}

long long FileSize(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 ? static_cast<long long>(info.st_size) : -1;
}

void PrintRun(const char* title, const std::vector<std::string>& paths, const std::vector<Measure>& run) {
  std::printf("\n%s\n%-36s %12s %8s %10s %10s\n", title, "file", "bytes", "pages", "seconds", "peak MiB");
  double worst = 0;
  long peak = 0;
  for (std::size_t i = 0; i < paths.size(); ++i) {
    const std::string name = paths[i].substr(paths[i].rfind('/') + 1);
    std::printf("%-36s %12lld %8d %10.3f %10.1f\n", name.c_str(), FileSize(paths[i]), run[i].pages, run[i].seconds,
                static_cast<double>(run[i].peakKiB) / 1024);
    worst = std::max(worst, run[i].seconds);
    peak = std::max(peak, run[i].peakKiB);
  }
  std::printf("worst time: %.3f s (goal: under 1 s), highest peak memory: %.1f MiB (goal: under 64 MiB)\n", worst,
              static_cast<double>(peak) / 1024);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--count") {
    const folidex::PageCount count = folidex::CountPages(argv[2]);
    std::printf("%d\n", count.Counted() ? count.Pages() : -1);
    return 0;
  }
  if (argc > 2) {
    std::fprintf(stderr, "usage: folidex-hostile-bench [FOLDER]\n");
    return 2;
  }
  folidex::test::TempTree temporary;
  const std::string folder = argc == 2 ? argv[1] : temporary.Path();
  const std::vector<folidex::bench::HostileCase> set = folidex::bench::HostileSet();
  std::vector<std::string> paths;
  for (const folidex::bench::HostileCase& file : set) {
    const std::string path = folder + "/" + file.name;
    struct stat info {};
    const bool present = stat(path.c_str(), &info) == 0 && (file.sparseSize == 0 || info.st_size == file.sparseSize);
    paths.push_back(present ? path : folidex::bench::WriteHostileCase(folder, file));
    if (paths.back().empty()) {
      std::fprintf(stderr, "folidex-hostile-bench: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  // One pass first, so that both runs find the files in the cache.
  CountAll(paths);
  const std::vector<Measure> idle = CountAll(paths);
  std::vector<Measure> busy;
  {
    const folidex::test::BusyMachine machine(1);
    busy = CountAll(paths);
  }
  PrintRun("Idle machine", paths, idle);
  PrintRun("Every processor busy", paths, busy);
  int changed = 0;
  for (std::size_t i = 0; i < set.size(); ++i) {
    if (idle[i].pages == busy[i].pages) continue;
    ++changed;
    std::printf("changed: %s: %d idle, %d busy\n", set[i].name.c_str(), idle[i].pages, busy[i].pages);
  }
  std::printf("files whose result changed under load: %d of %zu\n", changed, set.size());
  return changed == 0 ? 0 : 1;
}
