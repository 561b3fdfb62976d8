#include "ui/results/SelectionSummaryText.h"

#include "core/results/ResultCells.h"

namespace folidex {
namespace {

// "1 page", "1,234 pages".
QString Counted(std::uint64_t count, const char* one, const char* many) {
  return QString::fromStdString(FormatGrouped(count)) + ' ' + (count == 1 ? one : many);
}

}  // namespace

QString SelectionSummaryText(const SelectionSummary& summary) {
  QString text = Counted(summary.files, "file", "files") +
                 " selected: " + Counted(static_cast<std::uint64_t>(summary.pages), "page", "pages");
  if (summary.uncounted > 0) text += ", " + Counted(summary.uncounted, "Error", "Errors");
  return text;
}

}  // namespace folidex
