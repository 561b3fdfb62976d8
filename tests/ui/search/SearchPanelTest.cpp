#include <QComboBox>
#include <QGroupBox>
#include <QSplitter>
#include <QTest>

#include "MainWindowProbe.h"
#include "support/TempTree.h"
#include "ui/search/AdvancedSearchOptions.h"
#include "ui/search/NumberBox.h"

namespace folidex::test {

class SearchPanelTest : public QObject {
  Q_OBJECT

 private slots:
  // Each list item stands for its own choice of the criteria, read from the panel and shown in it.
  void ListItemsStandForTheirChoices() {
    AdvancedSearchOptions options;
    SearchCriteria read;
    const auto choose = [&](const char* list, const char* caption) {
      Named<QComboBox>(options, list)->setCurrentText(caption);
      options.ReadInto(read);
    };
    for (const auto& [caption, kind] : {std::pair{"Files Created", DateKind::Created},
                                        {"Files Modified", DateKind::Modified},
                                        {"Files Last Accessed", DateKind::LastAccessed}}) {
      choose("cmbDateRangeType", caption);
      QCOMPARE(read.dateKind, kind);
    }
    choose("cmbDateInPeriod", "Month(s)");
    QCOMPARE(read.periodUnit, PeriodUnit::Months);
    choose("cmbDateInPeriod", "Day(s)");
    QCOMPARE(read.periodUnit, PeriodUnit::Days);
    choose("cmbLeastMost", "Most");
    QCOMPARE(read.sizeBound, SizeBound::AtMost);
    choose("cmbLeastMost", "Least");
    QCOMPARE(read.sizeBound, SizeBound::AtLeast);

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
    TempTree folder;
    ShownMainWindow shown(folder.Path());
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

QTEST_MAIN(folidex::test::SearchPanelTest)
#include "SearchPanelTest.moc"
