// Times the fast page counter (with its qpdf fallback) against qpdf alone, file by file,
// in one process over the same files, and lists the files on which their counts differ.
// A third row times the floor: opening each file, reading three small blocks, closing it.
//
//   folidex-engine-bench [--rounds N] [--each] [LIST]
//
// LIST is a file with one path a line ("-" for standard input); without it the benchmark
// writes its own corpus of generated PDFs into a temporary folder. --each prints the
// times of every file.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "core/pdf/PageCounter.h"
#include "support/SampleCorpus.h"
#include "support/TempTree.h"

namespace {

using folidex::CountPagesWith;
using folidex::PageEngine;
using Clock = std::chrono::steady_clock;

using Counter = std::function<int(const std::string& path)>;

// The pages `engine` counts in the file at `path`, or -1 when it cannot count them.
int PagesWith(PageEngine engine, const std::string& path) {
  const folidex::PageCount count = CountPagesWith(engine, path);
  return count.Counted() ? count.Pages() : -1;
}

// What any reader pays at least: open, fstat, three reads of 1 KiB (tail, middle, head), close.
int ReadThreeBlocks(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat info {};
  char block[1024];
  int done = 0;
  if (fstat(fd, &info) == 0) {
    for (const off_t at : {std::max<off_t>(0, info.st_size - 1024), info.st_size / 2, off_t{0}}) {
      done += pread(fd, block, sizeof block, at) >= 0;
    }
  }
  close(fd);
  return done;
}

// Runs `count` over all files `rounds` times; the time of a file is the median of its rounds.
std::vector<double> TimeRounds(const Counter& count, const std::vector<std::string>& paths, int rounds,
                               std::vector<int>& pages) {
  std::vector<std::vector<double>> runs(paths.size());
  pages.assign(paths.size(), 0);
  for (int round = 0; round < rounds; ++round) {
    for (std::size_t i = 0; i < paths.size(); ++i) {
      const Clock::time_point start = Clock::now();
      pages[i] = count(paths[i]);
      runs[i].push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
  }
  std::vector<double> times;
  for (std::vector<double>& run : runs) {
    std::sort(run.begin(), run.end());
    times.push_back(run[run.size() / 2]);
  }
  return times;
}

// The value below which `share` of the sorted values lie.
double Percentile(const std::vector<double>& sorted, double share) {
  const std::size_t index = static_cast<std::size_t>(share * static_cast<double>(sorted.size() - 1) + 0.5);
  return sorted[index];
}

struct Figures {
  double median, p90, p99, worst;
};

Figures Summarize(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return {Percentile(times, 0.5), Percentile(times, 0.9), Percentile(times, 0.99), times.back()};
}

std::vector<std::string> ReadList(const std::string& name) {
  std::ifstream file;
  if (name != "-") file.open(name);
  std::istream& in = name == "-" ? std::cin : file;
  std::vector<std::string> paths;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) paths.push_back(line);
  }
  return paths;
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = 5;
  bool each = false;
  std::string list;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--rounds" && i + 1 < argc) {
      rounds = std::max(1, std::atoi(argv[++i]));
    } else if (arg == "--each") {
      each = true;
    } else if (list.empty()) {
      list = arg;
    } else {
      std::cerr << "usage: folidex-engine-bench [--rounds N] [--each] [LIST]\n";
      return 2;
    }
  }
  folidex::test::TempTree generated;
  const std::vector<std::string> paths = list.empty() ? folidex::test::WriteSampleCorpus(generated) : ReadList(list);
  if (paths.empty()) {
    std::cerr << "folidex-engine-bench: no files to time\n";
    return 1;
  }

  // The first pass warms the cache with our own reader alone.
  std::size_t fastAlone = 0;
  for (const std::string& path : paths) fastAlone += PagesWith(PageEngine::Fast, path) >= 0;

  // All rounds of our counter come before any of qpdf's: the heap qpdf leaves behind (a
  // great many small freed blocks, which glibc sorts out at the next large allocation)
  // would otherwise be billed to our calls.
  std::vector<int> oursPages, qpdfPages, unused;
  const auto countWith = [](PageEngine engine) {
    return [engine](const std::string& path) { return PagesWith(engine, path); };
  };
  const std::vector<double> floor = TimeRounds(ReadThreeBlocks, paths, rounds, unused);
  const std::vector<double> ours = TimeRounds(countWith(PageEngine::Auto), paths, rounds, oursPages);
  const std::vector<double> qpdf = TimeRounds(countWith(PageEngine::Qpdf), paths, rounds, qpdfPages);

  std::size_t disagreements = 0;
  for (std::size_t i = 0; i < paths.size(); ++i) {
    if (each) std::printf("%10.1f %10.1f  %s\n", ours[i], qpdf[i], paths[i].c_str());
    if (oursPages[i] == qpdfPages[i]) continue;
    ++disagreements;
    std::printf("differs: %s: folidex %d, qpdf %d\n", paths[i].c_str(), oursPages[i], qpdfPages[i]);
  }
  const Figures o = Summarize(ours), q = Summarize(qpdf), f = Summarize(floor);

  std::printf("files: %zu (%s), rounds: %d, time per file in microseconds (median of the rounds)\n", paths.size(),
              list.empty() ? "generated corpus" : list.c_str(), rounds);
  std::printf("counted by our own reader (no qpdf): %zu, counts differing from qpdf's: %zu\n", fastAlone,
              disagreements);
  const auto row = [](const char* name, const Figures& figures) {
    std::printf("%-22s %10.1f %10.1f %10.1f %12.1f\n", name, figures.median, figures.p90, figures.p99, figures.worst);
  };
  std::printf("%-22s %10s %10s %10s %12s\n", "", "median", "p90", "p99", "worst");
  row("folidex (auto)", o);
  row("qpdf", q);
  row("floor (open, 3 reads)", f);
  std::printf("%-22s %9.1fx %9.1fx %9.1fx %11.1fx\n", "qpdf / folidex", q.median / o.median, q.p90 / o.p90,
              q.p99 / o.p99, q.worst / o.worst);
  return 0;
}
