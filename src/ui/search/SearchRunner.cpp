#include "ui/search/SearchRunner.h"

#include <QElapsedTimer>
#include <QMetaObject>

namespace folidex {
namespace {

// How long one slice of applying events may keep the event loop busy, and how many
// events it takes from the queue at a time.
constexpr qint64 kSliceMilliseconds = 8;
constexpr std::size_t kEventsPerTake = 64;

}  // namespace

SearchRunner::SearchRunner(ResultModel& model, const LiveCriteria& criteria, WalkSettings walkSettings, QObject* parent)
    : QObject(parent), model_(model), criteria_(criteria), walkSettings_(std::move(walkSettings)), queue_([this] {
        QMetaObject::invokeMethod(this, &SearchRunner::ApplyPendingEvents, Qt::QueuedConnection);
      }) {}

SearchRunner::~SearchRunner() { Stop(); }

void SearchRunner::Start(const std::string& folder) {
  if (running_) return;
  running_ = true;
  cancelRequested_ = false;
  worker_ = std::thread([this, folder] {
    RunSearch(
        folder, criteria_, [this](WalkEvent event) { queue_.Push(std::move(event)); }, cancelRequested_, walkSettings_);
  });
}

void SearchRunner::Stop() {
  cancelRequested_ = true;
  if (worker_.joinable()) worker_.join();
  queue_.Clear();
  running_ = false;
}

void SearchRunner::ApplyPendingEvents() {
  QElapsedTimer slice;
  slice.start();
  while (running_ && slice.elapsed() < kSliceMilliseconds) {
    std::vector<WalkEvent> events = queue_.Take(kEventsPerTake);
    if (events.empty()) break;
    for (std::size_t i = 0; i < events.size();) {
      if (std::holds_alternative<FoundFile>(events[i])) {
        i = AppendFiles(events, i);
      } else {
        Apply(events[i++]);
      }
    }
  }
  // Events left for the next slice: come back after the events that are waiting now.
  if (running_ && slice.elapsed() >= kSliceMilliseconds)
    QMetaObject::invokeMethod(this, &SearchRunner::ApplyPendingEvents, Qt::QueuedConnection);
}

std::size_t SearchRunner::AppendFiles(std::vector<WalkEvent>& events, std::size_t from) {
  std::vector<FoundFile> files;
  std::vector<QIcon> icons;
  std::size_t end = from;
  for (; end < events.size() && std::holds_alternative<FoundFile>(events[end]); ++end) {
    FoundFile& file = std::get<FoundFile>(events[end]);
    icons.push_back(icons_.For(file.facts));
    files.push_back(std::move(file));
  }
  model_.AppendFiles(std::move(files), std::move(icons));
  return end;
}

void SearchRunner::Apply(const WalkEvent& event) {
  if (std::holds_alternative<walk::FolderStarted>(event)) icons_.NewFolder();
  model_.ApplySearchEvent(event);
  if (std::holds_alternative<walk::SearchEnded>(event)) EndSearch();
}

void SearchRunner::EndSearch() {
  worker_.join();  // the walk has reported its end and is returning
  running_ = false;
  emit Finished();
}

}  // namespace folidex
