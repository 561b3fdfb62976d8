#include "cli/CliOptions.h"

#include <getopt.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <optional>

#include "core/common/ParseInteger.h"

namespace folidex::cli {
namespace {

using namespace std::chrono;

// The values getopt_long returns for options without a short form.
enum LongOnly : int {
  kVersion = 256,
  kDateKind,
  kInLast,
  kBetween,
  kSizeAtLeast,
  kSizeAtMost,
  kSizeBetween,
  kFilesFrom,
  kEngine,
  kFormat,
  kByFolder,
  kPageSizes,
  kExport,
  kSeparator,
};

constexpr option kLongOptions[] = {
    {"recursive", no_argument, nullptr, 'r'},
    {"hidden", no_argument, nullptr, 'a'},
    {"date-kind", required_argument, nullptr, kDateKind},
    {"in-last", required_argument, nullptr, kInLast},
    {"between", required_argument, nullptr, kBetween},
    {"size-at-least", required_argument, nullptr, kSizeAtLeast},
    {"size-at-most", required_argument, nullptr, kSizeAtMost},
    {"size-between", required_argument, nullptr, kSizeBetween},
    {"files-from", required_argument, nullptr, kFilesFrom},
    {"null", no_argument, nullptr, '0'},
    {"engine", required_argument, nullptr, kEngine},
    {"jobs", required_argument, nullptr, 'j'},
    {"format", required_argument, nullptr, kFormat},
    {"quiet", no_argument, nullptr, 'q'},
    {"by-folder", no_argument, nullptr, kByFolder},
    {"page-sizes", no_argument, nullptr, kPageSizes},
    {"export", required_argument, nullptr, kExport},
    {"separator", required_argument, nullptr, kSeparator},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, kVersion},
    {nullptr, 0, nullptr, 0},
};
// The leading ":" makes getopt_long tell a missing value (':') from an unknown option ('?').
constexpr char kShortOptions[] = ":rahqj:0";

// "--name" of the option getopt_long returned `value` for.
std::string LongName(int value) {
  for (const option* entry = kLongOptions; entry->name != nullptr; ++entry) {
    if (entry->val == value) return std::string("--") + entry->name;
  }
  return {};
}

// The option as it was typed, without an attached value.
std::string AsTyped(const char* argument) {
  const std::string text = argument;
  return text.substr(0, text.find('='));
}

// Why getopt_long refused the argument `typed` (the offending element of the command line)
// with `result` and `optionCharacter` (its optopt), in the words of GNU programs.
std::string RefusalMessage(int result, int optionCharacter, const std::string& typed) {
  const bool longForm = typed.starts_with("--");
  if (result == ':') {
    if (longForm) return "option '" + typed + "' requires an argument";
    return std::string("option requires an argument -- '") + static_cast<char>(optionCharacter) + "'";
  }
  if (optionCharacter != 0 && longForm) return "option '" + typed + "' doesn't allow an argument";
  if (optionCharacter != 0) return std::string("invalid option -- '") + static_cast<char>(optionCharacter) + "'";
  std::string candidates;
  int matches = 0;
  for (const option* entry = kLongOptions; entry->name != nullptr; ++entry) {
    if (std::string_view(entry->name).starts_with(std::string_view(typed).substr(2))) {
      candidates += std::string(" '--") + entry->name + "'";
      ++matches;
    }
  }
  if (matches > 1) return "option '" + typed + "' is ambiguous; possibilities:" + candidates;
  return "unrecognized option '" + typed + "'";
}

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

std::string ParseSeparator(const std::string& text) {
  if (text.empty() || CharacterCount(text) != 1) {
    throw UsageError("--separator takes one character, not '" + text + "'");
  }
  if (text == "\r" || text == "\n" || text == "\"") {
    throw UsageError("--separator cannot be CR, LF or a double quote: they end or quote a cell");
  }
  return text;
}

unsigned ParseJobs(const std::string& text) {
  const auto jobs = ParseInteger<std::int32_t>(text);
  if (!jobs || *jobs < 1 || *jobs > 256 || text.find_first_not_of("0123456789") != std::string::npos) {
    throw UsageError("--jobs takes a number from 1 to 256, not '" + text + "'");
  }
  return static_cast<unsigned>(*jobs);
}

OutputFormat ParseFormat(const std::string& text) {
  static const std::map<std::string, OutputFormat> formats{{"table", OutputFormat::Table},
                                                           {"tsv", OutputFormat::Tsv},
                                                           {"csv", OutputFormat::Csv},
                                                           {"json", OutputFormat::Json},
                                                           {"jsonl", OutputFormat::JsonLines}};
  const auto found = formats.find(text);
  if (found == formats.end()) throw UsageError("--format is one of table, tsv, csv, json, jsonl, not '" + text + "'");
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

// The choices whose meaning depends on others, checked once the whole line is read.
struct Combinations {
  std::optional<std::string> sizeAtLeast;
  std::optional<std::string> sizeAtMost;
  bool sizeBetween = false;
  bool inLast = false;
  bool between = false;
};

void Combine(const Combinations& given, CliOptions& options) {
  SearchCriteria& criteria = options.criteria;
  if (given.inLast && given.between) throw UsageError("--in-last and --between cannot be combined");
  for (const auto& [bound, name] :
       {std::pair{&given.sizeAtLeast, "--size-at-least"}, std::pair{&given.sizeAtMost, "--size-at-most"}}) {
    if (given.sizeBetween && *bound)
      throw UsageError(std::string("--size-between and ") + name + " cannot be combined");
  }
  if (given.sizeAtLeast && given.sizeAtMost) {
    criteria.sizeEnabled = true;
    criteria.sizeMode = SearchCriteria::SizeMode::Between;
    criteria.sizeFrom = *given.sizeAtLeast;
    criteria.sizeTo = *given.sizeAtMost;
  } else if (given.sizeAtLeast || given.sizeAtMost) {
    criteria.sizeEnabled = true;
    criteria.sizeMode = SearchCriteria::SizeMode::At;
    criteria.sizeBound = given.sizeAtLeast ? SizeBound::AtLeast : SizeBound::AtMost;
    criteria.sizeLimit = given.sizeAtLeast ? *given.sizeAtLeast : *given.sizeAtMost;
  }
  if (!options.separator.empty() && options.exportPath.empty()) {
    throw UsageError("--separator applies to an export: it needs --export");
  }
  if (options.nullSeparated && options.filesFrom.empty())
    throw UsageError("--null applies to a list: it needs --files-from");
  if (options.paths.empty() && options.filesFrom.empty()) options.paths.push_back(".");
}

}  // namespace

CliOptions ParseCliOptions(const std::vector<std::string>& args) {
  CliOptions options;
  options.criteria = DefaultSearchCriteria(LocalNow());
  SearchCriteria& criteria = options.criteria;
  Combinations given;

  std::vector<std::string> storage{"folidex-count"};
  storage.insert(storage.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : storage) argv.push_back(arg.data());
  argv.push_back(nullptr);
  const int argc = static_cast<int>(storage.size());

  // A second value (of --between and --size-between) is the element after the first.
  const auto secondValue = [&](int value) -> std::string {
    if (optind >= argc) throw UsageError("option '" + LongName(value) + "' requires two arguments");
    return argv[optind++];
  };

  optind = 0;  // starts getopt_long afresh
  opterr = 0;  // the refusals are worded here
  for (;;) {
    const int value = getopt_long(argc, argv.data(), kShortOptions, kLongOptions, nullptr);
    if (value == -1) break;
    const std::string name = LongName(value);
    switch (value) {
      case 'r':
        criteria.includeSubfolders = true;
        break;
      case 'a':
        criteria.showHidden = true;
        break;
      case 'q':
        options.quiet = true;
        break;
      case 'h':
        options.showHelp = true;
        break;
      case kVersion:
        options.showVersion = true;
        break;
      case 'j':
        options.jobs = ParseJobs(optarg);
        break;
      case '0':
        options.nullSeparated = true;
        break;
      case kFilesFrom:
        options.filesFrom = optarg;
        if (options.filesFrom.empty()) throw UsageError("--files-from needs a file name");
        break;
      case kByFolder:
        options.byFolder = true;
        break;
      case kPageSizes:
        options.pageSizes = true;
        break;
      case kExport:
        options.exportPath = optarg;
        if (options.exportPath.empty()) throw UsageError("--export needs a file name");
        break;
      case kSeparator:
        options.separator = ParseSeparator(optarg);
        break;
      case kFormat:
        options.format = ParseFormat(optarg);
        options.formatGiven = true;
        break;
      case kEngine:
        options.engine = ParseEngine(optarg);
        break;
      case kDateKind:
        criteria.dateKind = ParseDateKind(optarg);
        break;
      case kInLast:
        ParseInLast(optarg, criteria);
        given.inLast = true;
        break;
      case kBetween:
        criteria.dateFrom = ParseDate(name, optarg);
        criteria.dateTo = ParseDate(name, secondValue(value));
        criteria.dateEnabled = true;
        criteria.dateMode = SearchCriteria::DateMode::Between;
        given.between = true;
        break;
      case kSizeAtLeast:
        given.sizeAtLeast = ParseKilobytes(name, optarg);
        break;
      case kSizeAtMost:
        given.sizeAtMost = ParseKilobytes(name, optarg);
        break;
      case kSizeBetween:
        criteria.sizeFrom = ParseKilobytes(name, optarg);
        criteria.sizeTo = ParseKilobytes(name, secondValue(value));
        criteria.sizeEnabled = true;
        criteria.sizeMode = SearchCriteria::SizeMode::Between;
        given.sizeBetween = true;
        break;
      default:  // '?' or ':'
        throw UsageError(RefusalMessage(value, optopt, AsTyped(argv[optind - 1])));
    }
  }
  for (int i = optind; i < argc; ++i) options.paths.emplace_back(argv[i]);
  Combine(given, options);
  return options;
}

std::string HelpText() {
  return R"(Usage: folidex-count [OPTION]... [PATH]...

Lists the PDF files in each folder given (the current folder when none is) with their
page counts, and prints the number of files and the total of their pages. A file given
by name is counted and listed directly when it passes the date and size criteria.
A folder that cannot be read is named on standard error, and the search goes on.

Search:
  -r, --recursive            include subfolders
  -a, --hidden               show hidden files (names starting with ".")
      --date-kind KIND       created, modified (default) or accessed
      --in-last N[d|m]       dated in the last N days (d, default) or months (m),
                             today excluded
      --between FROM TO      dated between two days, YYYY-MM-DD, both at 00:00:00
      --size-at-least KB     at least KB kilobytes
      --size-at-most KB      at most KB kilobytes; with --size-at-least, between both
      --size-between KB KB   between two sizes in kilobytes, both included
      --files-from FILE      also search the paths listed in FILE, one a line
                             (FILE - reads standard input)
  -0, --null                 the paths of --files-from end in a NUL character,
                             as find -print0 writes them

Counting:
      --engine ENGINE        count with one engine alone, for diagnostics and
                             benchmarks: fast (our own reader) or qpdf; by default
                             the fast reader counts and qpdf takes the files it
                             cannot read
  -j, --jobs N               count N files at a time (default: one per processor
                             thread; more helps on slow network shares)

Output:
      --format FORMAT        table (default on a terminal), tsv (default otherwise),
                             csv, json, or jsonl (a JSON object a line: each file
                             as it is counted, then the summary)
  -q, --quiet                print the summary only
      --by-folder            after the list, a line for each folder met: the files
                             listed in it, their pages and how many show "Error"
      --page-sizes           also count each file's pages by paper size: A0 to A6,
                             B4, B5, Letter, Legal, Tabloid/Ledger and Executive in
                             either orientation (within 2 mm), others as width x
                             height in mm; a last column (page_sizes in json), and
                             their sum over all files after the total
      --export FILE          also write the list to FILE as delimited text with
                             CR LF line ends: TAB-separated for .xls and .csv,
                             separated by --separator for .txt, .doc and others
      --separator C          the column separator of a .txt or .doc export
                             (one character but CR, LF and ", default ",")
  -h, --help                 show this help
      --version              show the version

With tsv and csv the list goes to standard output and the summary to standard
error. tsv writes TAB, CR, LF and backslash in a name as \t, \r, \n and \\; csv
quotes such cells. json and jsonl are UTF-8: a name or folder that is not is
written with U+FFFD, and its bytes in base64 beside it (pathBase64, nameBase64,
folderBase64). The table shows control characters in names as \t, \xHH and the like.

Exit status:
  0    every file listed was counted
  1    a path given or a folder met could not be read, or the output or the
       export could not be written
  2    bad usage
  3    the search finished, but at least one file listed shows "Error"
  130  interrupted by Ctrl+C (SIGINT): what was found is printed, then
       "Search Terminated by User" on standard error
  141  standard output was closed (the reader of a pipe went away)
  143  interrupted by SIGTERM, as for 130
)";
}

}  // namespace folidex::cli
