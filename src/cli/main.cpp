#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <iostream>

#include "cli/CliOptions.h"
#include "cli/DescriptorStream.h"
#include "cli/ExitStatus.h"
#include "cli/PathList.h"
#include "cli/PathSearch.h"
#include "cli/ProgressLine.h"
#include "cli/ReportPrinter.h"
#include "cli/SearchReport.h"
#include "core/common/MemoryReuse.h"
#include "core/common/SystemErrorText.h"
#include "core/export/ExportWriter.h"
#include "folidex/Version.h"

namespace folidex::cli {
namespace {

// Set when the search is to end early: by a signal, or because the output failed.
std::atomic<bool> stopRequested{false};
// The signal that stopped the run, 0 while none did.
std::atomic<int> stopSignal{0};

// The first Ctrl+C (or SIGTERM) stops the search and the counts under way and prints what
// was found; the handler then gives way (SA_RESETHAND), so that a second one ends the
// program at once. Without SA_RESTART, the signal also ends a wait for a path to read.
extern "C" void OnStopSignal(int signalNumber) {
  stopSignal.store(signalNumber);
  stopRequested.store(true);
}

void CatchStopSignals() {
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESETHAND;
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
  // A closed pipe shows as a failed write, which ends the search quietly.
  std::signal(SIGPIPE, SIG_IGN);
}

bool Export(const ResultTable& table, const CliOptions& options) {
  std::string error;
  const std::string separator = ExportSeparator(options.exportPath, options.separator);
  if (WriteExport(TakeExportSnapshot(table), separator, options.exportPath, error)) return true;
  std::cerr << "folidex-count: Unable to export data. " << error << '\n';
  return false;
}

// A failed write on standard output is told, but for a closed pipe: its reader has gone
// on purpose (as `head` does).
void TellWriteError(int error) {
  if (error != 0 && error != EPIPE) std::cerr << "folidex-count: write error: " << SystemErrorText(error) << '\n';
}

void SearchEveryPath(const CliOptions& options, SearchReport& report, PaperSizeStore* paperSizes) {
  PathSearch search(options, report, stopRequested, paperSizes);
  for (const std::string& path : options.paths) search.Search(path);
  if (!options.filesFrom.empty()) {
    PathList list(options.filesFrom, options.nullSeparated ? '\0' : '\n');
    while (const std::optional<std::string> path = list.Next(stopRequested)) search.Search(*path);
    if (!list.Error().empty()) report.CannotRead(options.filesFrom, list.Error());
  }
  search.Finish();
}

int Run(const std::vector<std::string>& args) {
  CliOptions options;
  try {
    options = ParseCliOptions(args);
  } catch (const UsageError& error) {
    std::cerr << "folidex-count: " << error.what() << "\nTry 'folidex-count --help' for more information.\n";
    return kUsageStatus;
  }
  DescriptorStream output(STDOUT_FILENO);
  if (options.showHelp || options.showVersion) {
    output << (options.showHelp ? HelpText() : std::string("folidex-count ") + kVersion + '\n') << std::flush;
    TellWriteError(output.WriteError());
    return ExitStatus({.writeError = output.WriteError()});
  }
  if (!options.formatGiven) options.format = isatty(STDOUT_FILENO) ? OutputFormat::Table : OutputFormat::Tsv;

  CatchStopSignals();
  const std::unique_ptr<ReportPrinter> printer = MakeReportPrinter(options, output, std::cerr);
  ProgressLine progress(stderr);
  // Into a file the output goes a buffer at a time; elsewhere (a pipe, a terminal, a device)
  // a line at a time, so that a closed pipe or a full device stops the search at once.
  struct stat target {};
  const bool intoFile = fstat(STDOUT_FILENO, &target) == 0 && S_ISREG(target.st_mode);
  PaperSizeStore paperSizes;
  PaperSizeStore* const sizes = options.pageSizes ? &paperSizes : nullptr;
  SearchReport report(options, *printer, output, progress, stopRequested, !intoFile, sizes);
  SearchEveryPath(options, report, sizes);
  report.Finish(stopSignal.load() != 0);

  RunOutcome outcome;
  outcome.stopSignal = stopSignal.load();
  outcome.writeError = output.WriteError();
  outcome.readFailed = report.ReadFailed();
  outcome.countErrors = report.Totals().errors;
  std::cerr.clear();  // a signal may have cut a message short; what follows must still show
  TellWriteError(outcome.writeError);
  if (outcome.stopSignal != 0) std::cerr << "Search Terminated by User\n";
  if (outcome.writeError == 0 && !options.exportPath.empty())
    outcome.exportFailed = !Export(report.Exported(), options);
  return ExitStatus(outcome);
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
