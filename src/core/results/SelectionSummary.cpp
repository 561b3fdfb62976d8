#include "core/results/SelectionSummary.h"

namespace folidex {

SelectionSummary SummarizeRows(const ResultTable& table, const std::vector<std::size_t>& rows) {
  SelectionSummary summary;
  for (const std::size_t row : rows) {
    const ResultRow& listed = table.Row(row);
    if (listed.hidden) continue;
    ++summary.files;
    summary.pages += listed.file.pages.Pages();
    if (!listed.file.pages.Counted()) ++summary.uncounted;
  }
  return summary;
}

}  // namespace folidex
