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
    : QObject(parent),
      model_(model),
      criteria_(criteria),
      walkSettings_(std::move(walkSettings)),
      updater_(model.Table()),
      queue_([this] { QMetaObject::invokeMethod(this, &SearchRunner::ApplyPendingEvents, Qt::QueuedConnection); }) {}

SearchRunner::~SearchRunner() { Stop(); }

void SearchRunner::Start(const std::string& folder) {
  if (running_) return;
  running_ = true;
  cancelRequested_ = false;
  worker_ = std::thread([this, folder] { RunSearch(folder, criteria_, queue_, cancelRequested_, walkSettings_); });
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
    const std::vector<SearchEvent> events = queue_.Take(kEventsPerTake);
    if (events.empty()) break;
    for (std::size_t i = 0; i < events.size();) {
      if (events[i].kind == SearchEvent::Kind::FileFound) {
        i = AppendFiles(events, i);
      } else {
        Apply(events[i++]);
      }
    }
    emit TextsChanged();
  }
  // Events left for the next slice: come back after the events that are waiting now.
  if (running_ && slice.elapsed() >= kSliceMilliseconds)
    QMetaObject::invokeMethod(this, &SearchRunner::ApplyPendingEvents, Qt::QueuedConnection);
}

std::size_t SearchRunner::AppendFiles(const std::vector<SearchEvent>& events, std::size_t from) {
  std::size_t end = from;
  std::vector<QIcon> icons;
  for (; end < events.size() && events[end].kind == SearchEvent::Kind::FileFound; ++end) {
    const FileFacts& facts = events[end].file.facts;
    icons.push_back(icons_.For(facts.fullPath, GetExtension(facts.name)));
  }
  model_.AppendRows(
      [&] {
        for (std::size_t i = from; i < end; ++i) updater_.FileFound(events[i].file);
      },
      std::move(icons));
  return end;
}

void SearchRunner::Apply(const SearchEvent& event) {
  switch (event.kind) {
    case SearchEvent::Kind::FolderStarted:
      icons_.NewFolder();
      updater_.FolderStarted(event.folder);
      break;
    case SearchEvent::Kind::ResultsCleared:
      model_.RemoveAllRows([this] { updater_.ResultsCleared(); });
      break;
    case SearchEvent::Kind::FileFound:
      break;  // appended in runs by AppendFiles
    case SearchEvent::Kind::FolderFinished:
      updater_.FolderFinished(event.folder);
      break;
    case SearchEvent::Kind::SearchEnded:
      updater_.SearchEnded(event.cancelled);
      EndSearch();
      break;
  }
}

void SearchRunner::EndSearch() {
  worker_.join();  // the walk has reported its end and is returning
  running_ = false;
  emit Finished();
}

}  // namespace folidex
