#include "cli/CliOptions.h"

#include <chrono>
#include <cstdio>
#include <map>

#include "core/common/ParseInteger.h"

namespace folidex::cli {
namespace {

using namespace std::chrono;

std::string ParseKilobytes(const std::string& option, const std::string& text) {
  if (!ParseInteger<std::int32_t>(text) || text.find_first_not_of("0123456789") != std::string::npos) {
    throw UsageError(option + " takes a whole number of kilobytes, not '" + text + "'");
  }
  return text;
}

LocalTime ParseDate(const std::string& option, const std::string& text) {
  int y = 0;
  unsigned m = 0, d = 0;
  char rest = 0;
  if (std::sscanf(text.c_str(), "%4d-%2u-%2u%c", &y, &m, &d, &rest) != 3) {
    throw UsageError(option + " takes dates as YYYY-MM-DD, not '" + text + "'");
  }
  const year_month_day date{year{y}, month{m}, day{d}};
  if (!date.ok()) throw UsageError(option + ": '" + text + "' is no calendar date");
  return local_days{date};
}

void ParseInLast(const std::string& text, SearchCriteria& criteria) {
  std::string count = text;
  criteria.periodUnit = PeriodUnit::Days;
  if (!count.empty() && (count.back() == 'd' || count.back() == 'm')) {
    if (count.back() == 'm') criteria.periodUnit = PeriodUnit::Months;
    count.pop_back();
  }
  if (count.empty() || count.find_first_not_of("0123456789") != std::string::npos ||
      !ParseInteger<std::int16_t>(count)) {
    throw UsageError("--in-last takes a number of days (N or Nd) or months (Nm), not '" + text + "'");
  }
  criteria.dateEnabled = true;
  criteria.dateMode = SearchCriteria::DateMode::InLast;
  criteria.periodCount = count;
}

std::size_t CharacterCount(const std::string& text) {
  std::size_t count = 0;
  for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return count;
}

OutputFormat ParseFormat(const std::string& text) {
  static const std::map<std::string, OutputFormat> formats{{"table", OutputFormat::Table},
                                                           {"tsv", OutputFormat::Tsv},
                                                           {"csv", OutputFormat::Csv},
                                                           {"json", OutputFormat::Json}};
  const auto found = formats.find(text);
  if (found == formats.end()) throw UsageError("--format is one of table, tsv, csv, json, not '" + text + "'");
  return found->second;
}

PageEngine ParseEngine(const std::string& text) {
  if (text == "fast") return PageEngine::Fast;
  if (text == "qpdf") return PageEngine::Qpdf;
  throw UsageError("--engine is one of fast, qpdf, not '" + text + "'");
}

DateKind ParseDateKind(const std::string& text) {
  if (text == "created") return DateKind::Created;
  if (text == "modified") return DateKind::Modified;
  if (text == "accessed") return DateKind::LastAccessed;
  throw UsageError("--date-kind is one of created, modified, accessed, not '" + text + "'");
}

}  // namespace

CliOptions ParseCliOptions(const std::vector<std::string>& args) {
  CliOptions options;
  options.criteria = DefaultSearchCriteria(LocalNow());
  SearchCriteria& criteria = options.criteria;

  std::size_t i = 0;
  const auto value = [&](const std::string& option) -> std::string {
    if (i + 1 >= args.size()) throw UsageError(option + " needs a value");
    return args[++i];
  };
  const auto setSizeAt = [&](const std::string& option, SizeBound bound) {
    criteria.sizeEnabled = true;
    criteria.sizeMode = SearchCriteria::SizeMode::At;
    criteria.sizeBound = bound;
    criteria.sizeLimit = ParseKilobytes(option, value(option));
  };

  bool onlyPaths = false;
  for (; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (onlyPaths || arg.empty() || arg[0] != '-' || arg == "-") {
      options.paths.push_back(arg);
    } else if (arg == "--") {
      onlyPaths = true;
    } else if (arg == "-r" || arg == "--recursive") {
      criteria.includeSubfolders = true;
    } else if (arg == "-a" || arg == "--hidden") {
      criteria.showHidden = true;
    } else if (arg == "-q" || arg == "--quiet") {
      options.quiet = true;
    } else if (arg == "-h" || arg == "--help") {
      options.showHelp = true;
    } else if (arg == "--version") {
      options.showVersion = true;
    } else if (arg == "-j" || arg == "--jobs") {
      const std::string text = value(arg);
      const auto jobs = ParseInteger<std::int32_t>(text);
      if (!jobs || *jobs < 1 || *jobs > 256 || text.find_first_not_of("0123456789") != std::string::npos) {
        throw UsageError("--jobs takes a number from 1 to 256, not '" + text + "'");
      }
      options.jobs = static_cast<unsigned>(*jobs);
    } else if (arg == "--export") {
      options.exportPath = value(arg);
      if (options.exportPath.empty()) throw UsageError("--export needs a file name");
    } else if (arg == "--separator") {
      options.separator = value(arg);
      if (options.separator.empty() || CharacterCount(options.separator) != 1) {
        throw UsageError("--separator takes one character, not '" + options.separator + "'");
      }
    } else if (arg == "--format") {
      options.format = ParseFormat(value(arg));
      options.formatGiven = true;
    } else if (arg == "--engine") {
      options.engine = ParseEngine(value(arg));
    } else if (arg == "--date-kind") {
      criteria.dateKind = ParseDateKind(value(arg));
    } else if (arg == "--in-last") {
      ParseInLast(value(arg), criteria);
    } else if (arg == "--between") {
      criteria.dateFrom = ParseDate(arg, value(arg));
      criteria.dateTo = ParseDate(arg, value(arg));
      criteria.dateEnabled = true;
      criteria.dateMode = SearchCriteria::DateMode::Between;
    } else if (arg == "--size-at-least") {
      setSizeAt(arg, SizeBound::AtLeast);
    } else if (arg == "--size-at-most") {
      setSizeAt(arg, SizeBound::AtMost);
    } else if (arg == "--size-between") {
      criteria.sizeFrom = ParseKilobytes(arg, value(arg));
      criteria.sizeTo = ParseKilobytes(arg, value(arg));
      criteria.sizeEnabled = true;
      criteria.sizeMode = SearchCriteria::SizeMode::Between;
    } else {
      throw UsageError("unknown option '" + arg + "'");
    }
  }
  if (options.paths.empty()) options.paths.push_back(".");
  return options;
}

std::string HelpText() {
  return R"(Usage: folidex-count [OPTIONS] [PATH...]

Lists the PDF files in each folder given (the current folder when none is) with their
page counts, and prints the number of files and the total of their pages. A file given
by name is counted and listed directly.

Search:
  -r, --recursive            include subfolders
  -a, --hidden               show hidden files (names starting with ".")
      --date-kind KIND       created, modified (default) or accessed
      --in-last N[d|m]       dated in the last N days (d, default) or months (m),
                             today excluded
      --between FROM TO      dated between two days, YYYY-MM-DD, both at 00:00:00
      --size-at-least KB     at least KB kilobytes
      --size-at-most KB      at most KB kilobytes
      --size-between KB KB   between two sizes in kilobytes, both included

Counting:
      --engine ENGINE        count with one engine alone, for diagnostics and
                             benchmarks: fast (our own reader) or qpdf; by default
                             the fast reader counts and qpdf takes the files it
                             cannot read
  -j, --jobs N               count N files at a time (default: one per processor
                             thread; more helps on slow network shares)

Output:
      --format FORMAT        table (default on a terminal), tsv (default otherwise),
                             csv or json
  -q, --quiet                print the summary only
      --export FILE          also write the list to FILE as delimited text with
                             CR LF line ends: TAB-separated for .xls and .csv,
                             separated by --separator for .txt, .doc and others
      --separator C          the column separator of a .txt or .doc export
                             (one character, default ",")
  -h, --help                 show this help
      --version              show the version

Exit status: 0 when the search ran (files that could not be counted show "Error"),
1 when a path given cannot be read, 2 for bad usage.
)";
}

}  // namespace folidex::cli
