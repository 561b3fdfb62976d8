#include "core/results/ResultTableUpdater.h"

namespace folidex {

void ResultTableUpdater::FolderStarted(const std::string& folder) {
  table_.SetStatusText("Searching " + folder, "Message");
}

void ResultTableUpdater::ResultsCleared() { table_.RemoveAllRows(); }

void ResultTableUpdater::FileFound(const FoundFile& file) { table_.AppendRow(MakeRowCells(file)); }

void ResultTableUpdater::FolderFinished(const std::string&) {
  const int files = table_.RowCount() - 1;
  if (files > 0) {
    table_.SetStatusText(std::to_string(files) + " file(s) found", "Files");
    table_.SetTotalText("Total Pages : " + std::to_string(table_.SumPages()));
  } else {
    table_.SetStatusText("No file found", "Files");
    table_.SetTotalText("Total Pages : 0");
  }
}

void ResultTableUpdater::SearchEnded(bool cancelled) {
  table_.SetStatusText(cancelled ? "Search Terminated by User" : "Done", "Message");
}

}  // namespace folidex
