#include "core/results/ApplyWalkEvent.h"

#include "core/common/Overloaded.h"

namespace folidex {
namespace {

// The counts are refreshed as each folder's scan ends.
void ShowTotals(ResultTable& table) {
  if (table.Empty()) {
    table.SetStatusText(StatusPanel::Files, "No file found");
    table.SetTotalText("Total Pages : 0");
    return;
  }
  table.SetStatusText(StatusPanel::Files, std::to_string(table.RowCount()) + " file(s) found");
  table.SetTotalText("Total Pages : " + std::to_string(table.SumPages()));
}

}  // namespace

void ApplyWalkEvent(ResultTable& table, const WalkEvent& event) {
  std::visit(Overloaded{
                 [&](const walk::FolderStarted& started) {
                   table.SetStatusText(StatusPanel::Message, "Searching " + started.folder);
                 },
                 [&](const walk::ResultsCleared&) { table.Clear(); },
                 [&](const FoundFile& file) { table.Append(file); },
                 [&](const walk::FolderUnreadable&) {},
                 [&](const walk::FolderFinished&) { ShowTotals(table); },
                 [&](const walk::SearchEnded& ended) {
                   table.SetStatusText(StatusPanel::Message, ended.cancelled ? "Search Terminated by User" : "Done");
                 },
             },
             event);
}

}  // namespace folidex
