#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "core/pdf/PageCounter.h"
#include "core/search/SearchCriteria.h"

namespace folidex::cli {

enum class OutputFormat { Table, Tsv, Csv, Json };

struct CliOptions {
  SearchCriteria criteria;
  OutputFormat format = OutputFormat::Table;
  PageEngine engine = PageEngine::Auto;
  bool formatGiven = false;
  std::string exportPath;
  std::string separator;  // for ".txt" and ".doc" exports; empty: ","
  unsigned jobs = 0;      // 0: one per hardware thread
  bool quiet = false;
  bool showHelp = false;
  bool showVersion = false;
  std::vector<std::string> paths;
};

// A command line that does not make sense; the message says why.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads the arguments after the program name. Throws UsageError.
CliOptions ParseCliOptions(const std::vector<std::string>& args);

std::string HelpText();

}  // namespace folidex::cli
