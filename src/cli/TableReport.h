#pragma once

#include <array>
#include <string>
#include <vector>

#include "cli/ReportPrinter.h"
#include "core/results/ResultCells.h"

namespace folidex::cli {

// Aligned columns for reading on a terminal; rows are kept until the end to size them.
class TableReport : public ReportPrinter {
 public:
  explicit TableReport(std::ostream& out) : out_(out) {}
  void Row(const FoundFile& file) override;
  void Finish(const Summary& summary) override;

 private:
  using Line = std::array<std::string, kColumnCount>;
  void PrintLine(const Line& line, const std::array<std::size_t, kColumnCount>& widths);

  std::ostream& out_;
  std::vector<Line> lines_;
};

}  // namespace folidex::cli
