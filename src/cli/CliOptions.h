#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "core/pdf/PageCounter.h"
#include "core/search/SearchCriteria.h"

namespace folidex::cli {

enum class OutputFormat { Table, Tsv, Csv, Json, JsonLines };

struct CliOptions {
  SearchCriteria criteria;
  OutputFormat format = OutputFormat::Table;
  PageEngine engine = PageEngine::Auto;
  bool formatGiven = false;
  std::string exportPath;
  std::string separator;  // for ".txt" and ".doc" exports; empty: ","
  unsigned jobs = 0;      // 0: one per hardware thread
  bool quiet = false;
  bool byFolder = false;   // subtotals per folder after the list
  bool pageSizes = false;  // pages by paper size, for each file and in all
  bool showHelp = false;
  bool showVersion = false;
  std::vector<std::string> paths;
  std::string filesFrom;       // a list of further paths; "-" for standard input; empty: none
  bool nullSeparated = false;  // the list's paths end in NUL rather than a line end
};

// A command line that does not make sense; the message says why.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads the arguments after the program name, as GNU programs do: short options may be
// combined (-rq) and take their value attached (-j4), long ones may be abbreviated and
// take it after "=" (--jobs=4), options and paths may come in any order, and "--" ends
// the options. Throws UsageError naming the offending option.
CliOptions ParseCliOptions(const std::vector<std::string>& args);

std::string HelpText();

}  // namespace folidex::cli
