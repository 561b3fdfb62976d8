#include <QCheckBox>
#include <QComboBox>
#include <QProgressBar>
#include <QTest>
#include <atomic>
#include <thread>

#include "MainWindowProbe.h"
#include "support/TempTree.h"
#include "support/TestPdf.h"

namespace folidex::test {
namespace {

// A page counter that takes `perFile` for each file, says `pages` and counts the files
// it was given in `listed`.
WalkSettings SlowCounter(std::chrono::milliseconds perFile, int pages, std::atomic<int>* listed = nullptr) {
  WalkSettings settings;
  settings.countPages = [=](const std::string&) {
    if (listed) ++*listed;
    std::this_thread::sleep_for(perFile);
    return PageCount(pages);
  };
  return settings;
}

}  // namespace

class SearchCancelTest : public QObject {
  Q_OBJECT

 private slots:
  // Cancelling a long search keeps the rows found so far with their count and total, tells
  // the user it was cancelled and gives the button back; the next search runs in full. The
  // busy indicator shows while a search runs.
  void CancelKeepsTheRowsFound() {
    constexpr int kFolders = 20;
    constexpr int kFilesPerFolder = 50;
    TempTree tree;
    const std::string pdf = MakePdf(1);
    for (int folder = 0; folder < kFolders; ++folder)
      for (int file = 0; file < kFilesPerFolder; ++file)
        tree.Write("f" + std::to_string(folder) + "/d" + std::to_string(file) + ".pdf", pdf);

    TestWindow test(SlowCounter(std::chrono::milliseconds(2), 3));
    const MainWindowProbe& probe = test.probe;
    const auto busy = [&] { return probe.Find<QProgressBar>("SearchBusy")->isVisibleTo(&test.window); };
    probe.Find<QCheckBox>("chkSearchIncSubFlder")->setChecked(true);
    QVERIFY(!busy());
    QVERIFY(probe.StartSearch(tree.Path()));
    QVERIFY(QTest::qWaitFor([&] { return probe.Rows() >= 60; }, 30000));
    QVERIFY(busy());
    probe.searchButton->click();
    QVERIFY(probe.WaitForSearchEnd());
    QVERIFY(!busy());

    const int rows = probe.Rows();
    QVERIFY(rows < kFolders * kFilesPerFolder);
    QCOMPARE(probe.Message(), QString("Search Terminated by User"));
    QCOMPARE(probe.statusBar->Text(StatusPanel::Files), QString::number(rows) + " file(s) found");
    QCOMPARE(probe.totalLabel->text(), "Total Pages : " + QString::number(3 * rows));

    QVERIFY(probe.Search(tree.Path("f0")));
    QCOMPARE(probe.Message(), QString("Done"));
    QCOMPARE(probe.Rows(), kFilesPerFolder);
  }

  // A criterion changed while the search runs applies to the files judged after the change.
  void EditsDuringASearchApplyToLaterFiles() {
    TempTree tree;
    for (int file = 0; file < 300; ++file) tree.Write("d" + std::to_string(file) + ".pdf", MakePdf(1));
    std::atomic<int> listed = 0;  // files that passed the criteria, counted as they are listed
    WalkSettings slowCounter = SlowCounter(std::chrono::milliseconds(5), 1, &listed);
    // One count at a time, so that the walk judges no file ahead of the one being counted.
    slowCounter.jobs = 1;
    TestWindow test(slowCounter);
    const MainWindowProbe& probe = test.probe;
    QVERIFY(probe.StartSearch(tree.Path()));
    QVERIFY(QTest::qWaitFor([&] { return probe.Rows() >= 10; }, 30000));

    // "at Most 0" KB passes only empty files: no later file is listed.
    probe.Find<QComboBox>("cmbLeastMost")->setCurrentText("Most");
    probe.Find<QCheckBox>("chkSearchBySize")->setChecked(true);
    const int listedAtEdit = listed;
    QVERIFY(probe.WaitForSearchEnd());
    QVERIFY(probe.Rows() >= 10);
    QVERIFY(probe.Rows() <= listedAtEdit + 1);  // at most one more: judged before the edit, counted after it
    QCOMPARE(probe.Message(), QString("Done"));
  }

  // Closing the window while a search runs stops the search first.
  void ClosingTheWindowStopsTheSearch() {
    TempTree tree;
    for (int file = 0; file < 200; ++file) tree.Write("d" + std::to_string(file) + ".pdf", MakePdf(1));
    auto test = std::make_unique<TestWindow>(SlowCounter(std::chrono::milliseconds(5), 1));
    const MainWindowProbe& probe = test->probe;
    QVERIFY(probe.StartSearch(tree.Path()));
    QVERIFY(QTest::qWaitFor([&] { return probe.Rows() > 0; }, 30000));
    test->window.close();
    QVERIFY(probe.Rows() < 200);
    test.reset();
    QTest::qWait(50);  // queued events of the stopped search find no window
  }
};

}  // namespace folidex::test

QTEST_MAIN(folidex::test::SearchCancelTest)
#include "SearchCancelTest.moc"
