#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QProgressBar>
#include <QSplitter>
#include <QTest>
#include <atomic>
#include <thread>

#include "MainWindowProbe.h"
#include "support/TempTree.h"
#include "support/TestPdf.h"
#include "ui/search/AdvancedSearchOptions.h"
#include "ui/search/NumberBox.h"

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

// The search options and the searches they start.
class SearchTest : public QObject {
  Q_OBJECT

  static constexpr int kFolders = 20;
  static constexpr int kFilesPerFolder = 50;
  TempTree tree_;

 private slots:
  // The folders the searches run in: f0 to f19, each with 50 files.
  void initTestCase() {
    for (int folder = 0; folder < kFolders; ++folder)
      for (int file = 0; file < kFilesPerFolder; ++file)
        tree_.Write("f" + std::to_string(folder) + "/d" + std::to_string(file) + ".pdf", MakePdf(1));
  }

  // Each list item stands for its own choice of the criteria, read from the panel and shown in it.
  void ListItemsStandForTheirChoices() {
    AdvancedSearchOptions options;
    SearchCriteria read;  // kept from one choice to the next, so that each must change it
    const auto chosen = [&](const char* list, const char* caption) {
      Named<QComboBox>(options, list)->setCurrentText(caption);
      options.ReadInto(read);
      return read;
    };
    QCOMPARE(chosen("cmbDateRangeType", "Files Created").dateKind, DateKind::Created);
    QCOMPARE(chosen("cmbDateRangeType", "Files Modified").dateKind, DateKind::Modified);
    QCOMPARE(chosen("cmbDateRangeType", "Files Last Accessed").dateKind, DateKind::LastAccessed);
    QCOMPARE(chosen("cmbDateInPeriod", "Month(s)").periodUnit, PeriodUnit::Months);
    QCOMPARE(chosen("cmbDateInPeriod", "Day(s)").periodUnit, PeriodUnit::Days);
    QCOMPARE(chosen("cmbLeastMost", "Most").sizeBound, SizeBound::AtMost);
    QCOMPARE(chosen("cmbLeastMost", "Least").sizeBound, SizeBound::AtLeast);

    options.Show({.dateKind = DateKind::Modified, .periodUnit = PeriodUnit::Months, .sizeBound = SizeBound::AtMost});
    for (const auto& [list, caption] :
         {std::pair{"cmbDateRangeType", "Files Modified"}, {"cmbDateInPeriod", "Month(s)"}, {"cmbLeastMost", "Most"}})
      QCOMPARE(Named<QComboBox>(options, list)->currentText(), QString(caption));
  }

  // The period box takes digits only, the size boxes any key; a box's text is replaced by
  // what is typed once it gets the focus. The spin buttons step within 0 to 9999999.
  void NumberBoxesTakeTheirKeysAndStepWithinTheirRange() {
    NumberBox period(NumberBox::Keys::DigitsOnly);
    period.SetText("1");
    TypeInto(period, "4a-5 ");
    QCOMPARE(period.Text(), QString("45"));
    QTest::keyClick(period.Edit(), Qt::Key_Backspace);
    QCOMPARE(period.Text(), QString("4"));

    NumberBox size(NumberBox::Keys::Any);
    size.SetText("0");
    TypeInto(size, "12kb");
    QCOMPARE(size.Text(), QString("12kb"));
    for (const auto& [from, step, to] :
         {std::tuple{"41", 1, "42"}, {"9999999", 1, "9999999"}, {"0", -1, "0"}, {"ten", 1, "1"}}) {
      size.SetText(from);
      size.Step(step);
      QCOMPARE(size.Text(), QString(to));
    }
  }

  // Hiding the advanced options gives their room to the grid; showing them takes it back.
  // The window keeps its minimum size of 800 x 400, and Ctrl+X ends the program also while
  // a text box has the focus.
  void TheWindowAroundTheOptions() {
    ShownMainWindow shown(tree_.Path());
    const MainWindowProbe& probe = shown.probe;
    auto* button = probe.Find<QPushButton>("cmdShowHideAdvanceSearch");
    auto* options = probe.Find<QGroupBox>("fmeAdvancedSearchOptions");
    const QWidget* splitter = probe.Find<QSplitter>("spSplitter");
    QVERIFY(options->geometry().top() > probe.totalLabel->geometry().bottom());
    const int gridBottom = splitter->geometry().bottom();
    button->click();
    QVERIFY(options->isHidden());
    QVERIFY(splitter->geometry().bottom() > gridBottom);
    QVERIFY(probe.totalLabel->geometry().top() > splitter->geometry().bottom());
    button->click();
    QVERIFY(!options->isHidden());
    QVERIFY(options->geometry().top() > probe.totalLabel->geometry().bottom());

    MainWindow& window = shown.window;
    const QSize frame = window.frameGeometry().size() - window.size();
    QCOMPARE(window.minimumSize() + frame, QSize(800, 400));
    window.resize(300, 200);
    QVERIFY(QTest::qWaitFor([&] { return window.frameGeometry().size() == QSize(800, 400); }, 5000));

    QLineEdit* box = probe.Find<NumberBox>("txtSizeTo")->Edit();
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    QVERIFY(!window.isVisible());
    QCOMPARE(box->text(), QString("10"));
  }

  // Cancelling a long search keeps the rows found so far with their count and total, tells
  // the user it was cancelled and gives the button back; the next search runs in full. The
  // busy indicator shows while a search runs.
  void CancelKeepsTheRowsFound() {
    TestWindow test(SlowCounter(std::chrono::milliseconds(2), 3));
    const MainWindowProbe& probe = test.probe;
    const auto busy = [&] { return probe.Find<QProgressBar>("SearchBusy")->isVisibleTo(&test.window); };
    probe.Find<QCheckBox>("chkSearchIncSubFlder")->setChecked(true);
    QVERIFY(!busy());
    QVERIFY(probe.StartSearch(tree_.Path()));
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

    QVERIFY(probe.Search(tree_.Path("f0")));
    QCOMPARE(probe.Message(), QString("Done"));
    QCOMPARE(probe.Rows(), kFilesPerFolder);
  }

  // A criterion changed while the search runs applies to the files judged after the change.
  void EditsDuringASearchApplyToLaterFiles() {
    std::atomic<int> listed = 0;  // files that passed the criteria, counted as they are listed
    WalkSettings slowCounter = SlowCounter(std::chrono::milliseconds(5), 1, &listed);
    // One count at a time, so that the walk judges no file ahead of the one being counted.
    slowCounter.jobs = 1;
    TestWindow test(slowCounter);
    const MainWindowProbe& probe = test.probe;
    probe.Find<QCheckBox>("chkSearchIncSubFlder")->setChecked(true);
    QVERIFY(probe.StartSearch(tree_.Path()));
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
    auto test = std::make_unique<TestWindow>(SlowCounter(std::chrono::milliseconds(5), 1));
    const MainWindowProbe& probe = test->probe;
    probe.Find<QCheckBox>("chkSearchIncSubFlder")->setChecked(true);
    QVERIFY(probe.StartSearch(tree_.Path()));
    QVERIFY(QTest::qWaitFor([&] { return probe.Rows() > 0; }, 30000));
    test->window.close();
    QVERIFY(probe.Rows() < kFolders * kFilesPerFolder);
    test.reset();
    QTest::qWait(50);  // queued events of the stopped search find no window
  }

 private:
  // Gives the box the focus, as a click would, and types `keys`.
  static void TypeInto(NumberBox& box, const char* keys) {
    box.show();
    box.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    box.Edit()->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();  // the whole text is selected once the focus has arrived
    QTest::keyClicks(box.Edit(), keys);
  }
};

}  // namespace folidex::test

QTEST_MAIN(folidex::test::SearchTest)
#include "SearchTest.moc"
