#pragma once

#include <QObject>
#include <atomic>
#include <string>
#include <thread>

#include "core/search/FolderWalk.h"
#include "core/search/LiveCriteria.h"
#include "ui/results/FileIcons.h"
#include "ui/results/ResultModel.h"
#include "ui/search/SearchEventQueue.h"

namespace folidex {

// Runs one search at a time on a worker thread and applies its events, in walk order,
// to the result model on the user-interface thread. The user-interface thread takes the
// events in short slices, so the window keeps answering however fast files are found.
class SearchRunner : public QObject {
  Q_OBJECT

 public:
  SearchRunner(ResultModel& model, const LiveCriteria& criteria, WalkSettings walkSettings, QObject* parent = nullptr);
  ~SearchRunner() override;

  bool Running() const { return running_; }
  // Starts a search of `folder`; nothing happens while one runs.
  void Start(const std::string& folder);
  // Asks the running search to stop before its next file or folder.
  void RequestCancel() { cancelRequested_ = true; }
  // Stops the running search and waits for its thread; events not yet applied are dropped.
  void Stop();

 signals:
  // The search has ended ("Done" or "Search Terminated by User" is in the table).
  void Finished();

 private:
  void ApplyPendingEvents();
  // Applies the file found at events[from] and the files found right after it as one
  // append; returns the index of the first event after them.
  std::size_t AppendFiles(std::vector<WalkEvent>& events, std::size_t from);
  void Apply(const WalkEvent& event);
  void EndSearch();

  ResultModel& model_;
  const LiveCriteria& criteria_;
  WalkSettings walkSettings_;
  FileIcons icons_;
  SearchEventQueue queue_;
  std::atomic<bool> cancelRequested_ = false;
  std::thread worker_;
  bool running_ = false;
};

}  // namespace folidex
