#pragma once

#include "core/results/ResultTable.h"
#include "core/search/WalkEvents.h"

namespace folidex {

// Writes what a search reports into a result table: one row per file found, the
// "Message" and "Files" status texts and the "Total Pages : " caption.
class ResultTableUpdater : public WalkEvents {
 public:
  explicit ResultTableUpdater(ResultTable& table) : table_(table) {}

  void FolderStarted(const std::string& folder) override;
  void ResultsCleared() override;
  void FileFound(const FoundFile& file) override;
  void FolderFinished(const std::string& folder) override;
  void SearchEnded(bool cancelled) override;

 private:
  ResultTable& table_;
};

}  // namespace folidex
