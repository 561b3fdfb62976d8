// Searches a generated tree of tiny PDF files in the main window and reports the longest
// time the event loop was kept from running. Run it without a display:
//   QT_QPA_PLATFORM=offscreen build/bin/folidex_ui_responsiveness_bench [folders] [files per folder]
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "support/TempTree.h"
#include "support/TestPdf.h"
#include "ui/app/FolderTree.h"
#include "ui/app/MainWindow.h"
#include "ui/results/StatusPanels.h"

namespace {

// CPU time the calling thread has used, in milliseconds.
double ThreadMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Ticks every millisecond and keeps the gaps between ticks: a gap well above 1 ms is time
// the event loop could not run. The user-interface thread's own CPU time in each gap tells
// the work done on it apart from time the system gave to other processes.
class EventLoopWatch {
 public:
  EventLoopWatch() {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(1);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      gaps_.push_back(static_cast<double>(clock_.nsecsElapsed()) / 1e6);
      clock_.restart();
      const double cpu = ThreadMilliseconds();
      longestBusy_ = std::max(longestBusy_, cpu - cpuAtTick_);
      cpuAtTick_ = cpu;
    });
  }
  void Start() {
    clock_.start();
    cpuAtTick_ = ThreadMilliseconds();
    timer_.start();
  }
  double LongestBusy() const { return longestBusy_; }
  void Stop() { timer_.stop(); }
  double Longest() const { return gaps_.empty() ? 0 : *std::max_element(gaps_.begin(), gaps_.end()); }
  double Percentile(double fraction) {
    if (gaps_.empty()) return 0;
    std::sort(gaps_.begin(), gaps_.end());
    return gaps_[static_cast<std::size_t>(fraction * static_cast<double>(gaps_.size() - 1))];
  }

 private:
  QTimer timer_;
  QElapsedTimer clock_;
  std::vector<double> gaps_;
  double cpuAtTick_ = 0;
  double longestBusy_ = 0;
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const int folders = argc > 1 ? std::atoi(argv[1]) : 200;
  const int filesPerFolder = argc > 2 ? std::atoi(argv[2]) : 100;

  folidex::test::TempTree tree;
  const std::string pdf = folidex::test::MakePdf(3);
  for (int folder = 0; folder < folders; ++folder)
    for (int file = 0; file < filesPerFolder; ++file)
      tree.Write("folder" + std::to_string(folder) + "/document" + std::to_string(file) + ".pdf", pdf);

  // The window opens on an empty folder; the measured search is the one that follows.
  folidex::test::TempTree emptyFolder;
  folidex::AppSettings settings;
  settings.StartupFolder = emptyFolder.Path();
  folidex::MainWindow window(settings);
  window.findChild<QCheckBox*>("chkSearchIncSubFlder")->setChecked(true);
  auto* searchButton = window.findChild<QPushButton*>("cmdSearch");
  const auto* statusBar = window.findChild<folidex::StatusPanels*>("sbGeneral");
  const auto searchDone = [&] {
    return searchButton->text() == "&Search" && statusBar->Text(folidex::StatusPanel::Message) == "Done";
  };
  window.show();
  window.activateWindow();
  while (!searchDone()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);

  EventLoopWatch watch;
  QElapsedTimer search;
  QTimer finish;
  QObject::connect(&finish, &QTimer::timeout, [&] {
    if (searchDone()) application.quit();
  });
  window.findChild<folidex::FolderTree*>("ftv")->SelectFolder(QString::fromStdString(tree.Path()));
  watch.Start();
  search.start();
  finish.start(5);
  searchButton->click();
  application.exec();
  watch.Stop();

  std::printf("files: %d (%s)\n", folders * filesPerFolder, qPrintable(statusBar->Text(folidex::StatusPanel::Files)));
  std::printf("search in the window: %.2f s\n", static_cast<double>(search.elapsed()) / 1000.0);
  std::printf("event loop blocked, longest: %.1f ms, 99th percentile: %.1f ms (goal: under 50 ms)\n", watch.Longest(),
              watch.Percentile(0.99));
  std::printf("user-interface thread busy between two ticks, longest: %.1f ms of CPU time\n", watch.LongestBusy());
  return 0;
}
