// Times the fast page counter (with its qpdf fallback) against qpdf alone, file by file,
// in one process over the same files, and lists the files on which their counts differ.
//
//   folidex-engine-bench [--rounds N] [--each] [LIST]
//
// LIST is a file with one path a line ("-" for standard input); without it the benchmark
// writes its own corpus of generated PDFs into a temporary folder. --each prints the
// times of every file.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
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

struct Timed {
  int pages = 0;
  double micros = 0;
};

Timed Time(PageEngine engine, const std::string& path) {
  const Clock::time_point start = Clock::now();
  const int pages = CountPagesWith(engine, path);
  return {pages, std::chrono::duration<double, std::micro>(Clock::now() - start).count()};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
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

  // The first pass warms the cache with the fast reader alone.
  std::size_t fastAlone = 0;
  for (const std::string& path : paths) fastAlone += CountPagesWith(PageEngine::Fast, path) >= 0;

  // All rounds of our counter come before any of qpdf's: the heap qpdf leaves behind (a
  // great many small freed blocks, which glibc sorts out at the next large allocation)
  // would otherwise be billed to our calls.
  std::vector<int> oursPages(paths.size()), qpdfPages(paths.size());
  std::vector<std::vector<double>> oursRuns(paths.size()), qpdfRuns(paths.size());
  const auto timeRounds = [&](PageEngine engine, std::vector<int>& pages, std::vector<std::vector<double>>& runs) {
    for (int round = 0; round < rounds; ++round) {
      for (std::size_t i = 0; i < paths.size(); ++i) {
        const Timed timed = Time(engine, paths[i]);
        pages[i] = timed.pages;
        runs[i].push_back(timed.micros);
      }
    }
  };
  timeRounds(PageEngine::Auto, oursPages, oursRuns);
  timeRounds(PageEngine::Qpdf, qpdfPages, qpdfRuns);
  std::size_t disagreements = 0;
  for (std::size_t i = 0; i < paths.size(); ++i) {
    if (oursPages[i] == qpdfPages[i]) continue;
    ++disagreements;
    std::printf("differs: %s: folidex %d, qpdf %d\n", paths[i].c_str(), oursPages[i], qpdfPages[i]);
  }

  std::vector<double> ours, qpdf;
  for (std::size_t i = 0; i < paths.size(); ++i) {
    ours.push_back(Median(oursRuns[i]));
    qpdf.push_back(Median(qpdfRuns[i]));
    if (each) std::printf("%10.1f %10.1f  %s\n", ours.back(), qpdf.back(), paths[i].c_str());
  }
  const Figures o = Summarize(ours), q = Summarize(qpdf);

  std::printf("files: %zu (%s), rounds: %d, time per file in microseconds (median of the rounds)\n", paths.size(),
              list.empty() ? "generated corpus" : list.c_str(), rounds);
  std::printf("counted by the fast reader alone: %zu, counts differing from qpdf's: %zu\n", fastAlone, disagreements);
  std::printf("%-18s %10s %10s %10s %12s\n", "engine", "median", "p90", "p99", "worst");
  std::printf("%-18s %10.1f %10.1f %10.1f %12.1f\n", "folidex (auto)", o.median, o.p90, o.p99, o.worst);
  std::printf("%-18s %10.1f %10.1f %10.1f %12.1f\n", "qpdf", q.median, q.p90, q.p99, q.worst);
  std::printf("%-18s %9.1fx %9.1fx %9.1fx %11.1fx\n", "qpdf / folidex", q.median / o.median, q.p90 / o.p90,
              q.p99 / o.p99, q.worst / o.worst);
  return 0;
}
