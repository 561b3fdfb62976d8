#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstring>
#include <iostream>

#include "cli/CliOptions.h"
#include "cli/ProgressLine.h"
#include "cli/ReportPrinter.h"
#include "core/common/MemoryReuse.h"
#include "core/export/ExportWriter.h"
#include "core/pdf/PageCounter.h"
#include "core/results/ResultTable.h"
#include "core/search/FolderListing.h"
#include "core/search/FolderWalk.h"
#include "folidex/Version.h"

namespace folidex::cli {
namespace {

std::atomic<bool> interrupted{false};

// The first Ctrl+C (or SIGTERM) stops the search and the counts under way and prints what
// was found; a second one ends the program at once.
extern "C" void OnInterrupt(int signalNumber) {
  interrupted.store(true);
  std::signal(signalNumber, SIG_DFL);
}

// Hands each file a search lists to the printer and keeps the summary and the progress line.
class ReportSink {
 public:
  // `exported`, when given, collects every row for an export file.
  ReportSink(ReportPrinter& printer, ProgressLine& progress, ResultTable* exported)
      : printer_(printer), progress_(progress), exported_(exported) {}

  void operator()(const WalkEvent& event) {
    if (const auto* started = std::get_if<walk::FolderStarted>(&event)) {
      folder_ = started->folder;
      progress_.Update(folder_, summary_.files, summary_.totalPages);
    } else if (const auto* file = std::get_if<FoundFile>(&event)) {
      FileFound(*file);
    }
  }

  void FileFound(const FoundFile& file) {
    ++summary_.files;
    if (!file.pages.Counted()) ++summary_.errors;
    summary_.totalPages += file.pages.Pages();
    printer_.Row(file);
    if (exported_ != nullptr) exported_->Append(file);
    progress_.Update(folder_, summary_.files, summary_.totalPages);
  }

  const Summary& GetSummary() const { return summary_; }

 private:
  ReportPrinter& printer_;
  ProgressLine& progress_;
  ResultTable* exported_;
  Summary summary_;
  std::string folder_;
};

bool CanListFolder(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  close(fd);
  return true;
}

// Lists one path given on the command line; false when it cannot be read.
bool ListPath(const std::string& path, const CliOptions& options, ReportSink& sink) {
  struct stat info {};
  if (stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
    if (!CanListFolder(path)) return false;
    const LiveCriteria criteria(options.criteria);
    WalkSettings settings;
    settings.jobs = options.jobs;
    settings.countPages = [engine = options.engine](const std::string& file) {
      return CountPagesWith(engine, file, interrupted);
    };
    RunSearch(path, criteria, std::ref(sink), interrupted, settings);
    return true;
  }
  const std::optional<FileFacts> file = ReadFileFacts(path);
  if (!file) return false;
  sink.FileFound({*file, PageCount::FromCounter(CountPagesWith(options.engine, path, interrupted))});
  return true;
}

bool Export(const ResultTable& table, const CliOptions& options) {
  std::string error;
  const std::string separator = ExportSeparator(options.exportPath, options.separator);
  if (WriteExport(TakeExportSnapshot(table), separator, options.exportPath, error)) return true;
  std::cerr << "folidex-count: Unable to export data. " << error << '\n';
  return false;
}

int Run(const std::vector<std::string>& args) {
  CliOptions options;
  try {
    options = ParseCliOptions(args);
  } catch (const UsageError& error) {
    std::cerr << "folidex-count: " << error.what() << "\nTry 'folidex-count --help' for more information.\n";
    return 2;
  }
  if (options.showHelp) {
    std::cout << HelpText();
    return 0;
  }
  if (options.showVersion) {
    std::cout << "folidex-count " << kVersion << '\n';
    return 0;
  }
  if (!options.formatGiven) options.format = isatty(STDOUT_FILENO) ? OutputFormat::Table : OutputFormat::Tsv;

  std::signal(SIGINT, OnInterrupt);
  std::signal(SIGTERM, OnInterrupt);
  std::signal(SIGPIPE, SIG_IGN);

  const std::unique_ptr<ReportPrinter> printer = MakeReportPrinter(options.format, options.quiet, std::cout, std::cerr);
  ProgressLine progress(stderr);
  ResultTable exported;
  ReportSink sink(*printer, progress, options.exportPath.empty() ? nullptr : &exported);
  int status = 0;
  for (const std::string& path : options.paths) {
    if (interrupted.load()) break;
    if (!ListPath(path, options, sink)) {
      const int error = errno;
      progress.Clear();
      std::cerr << "folidex-count: cannot read '" << path << "': " << std::strerror(error) << '\n';
      status = 1;
    }
  }
  progress.Clear();
  printer->Finish(sink.GetSummary());
  std::cout.flush();
  if (!options.exportPath.empty() && !Export(exported, options)) status = 1;
  return status;
}

}  // namespace
}  // namespace folidex::cli

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  folidex::KeepFreedMemoryForReuse();
  try {
    return folidex::cli::Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& error) {
    std::cerr << "folidex-count: " << error.what() << '\n';
  } catch (...) {
    std::cerr << "folidex-count: unexpected failure\n";
  }
  return 1;
}
