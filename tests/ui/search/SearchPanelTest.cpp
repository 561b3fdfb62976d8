#include <QComboBox>
#include <QTest>

#include "MainWindowProbe.h"
#include "support/TempTree.h"
#include "ui/search/AdvancedSearchOptions.h"
#include "ui/search/NumberBox.h"

namespace folidex::test {

class SearchPanelTest : public QObject {
  Q_OBJECT

 private slots:
  // Each list item stands for its choice of the criteria, read from the panel and shown in it.
  void ListItemsStandForTheirChoices() {
    AdvancedSearchOptions options;
    const auto list = [&](const char* name) { return options.findChild<QComboBox*>(name); };
    SearchCriteria read;
    for (const auto& [caption, kind] : {std::pair{"Files Created", DateKind::Created},
                                        {"Files Modified", DateKind::Modified},
                                        {"Files Last Accessed", DateKind::LastAccessed}}) {
      list("cmbDateRangeType")->setCurrentText(caption);
      options.ReadInto(read);
      QCOMPARE(read.dateKind, kind);
    }
    list("cmbDateInPeriod")->setCurrentText("Month(s)");
    list("cmbLeastMost")->setCurrentText("Most");
    options.ReadInto(read);
    QCOMPARE(read.periodUnit, PeriodUnit::Months);
    QCOMPARE(read.sizeBound, SizeBound::AtMost);

    SearchCriteria shown;
    shown.dateKind = DateKind::Created;
    shown.periodUnit = PeriodUnit::Days;
    shown.sizeBound = SizeBound::AtLeast;
    options.Show(shown);
    QCOMPARE(list("cmbDateRangeType")->currentText(), QString("Files Created"));
    QCOMPARE(list("cmbDateInPeriod")->currentText(), QString("Day(s)"));
    QCOMPARE(list("cmbLeastMost")->currentText(), QString("Least"));
  }

  void PeriodBoxTakesOnlyDigitsAndReplacesItsTextOnFocus() {
    NumberBox period(NumberBox::Keys::DigitsOnly);
    NumberBox size(NumberBox::Keys::Any);
    period.SetText("1");
    size.SetText("0");

    TypeInto(period, "4a-5 ");
    QCOMPARE(period.Text(), QString("45"));
    QTest::keyClick(period.Edit(), Qt::Key_Backspace);
    QCOMPARE(period.Text(), QString("4"));

    TypeInto(size, "12kb");
    QCOMPARE(size.Text(), QString("12kb"));
  }

  // Ctrl+X ends the program also while a text box has the focus.
  void CtrlXClosesTheWindowFromATextBox() {
    TempTree folder;
    ShownMainWindow shown(folder.Path());
    QLineEdit* box = shown.probe.Find<NumberBox>("txtSizeTo")->Edit();
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    QVERIFY(!shown.window.isVisible());
    QCOMPARE(box->text(), QString("10"));
  }

  void SpinButtonsStepTheTextWithinTheirRange() {
    NumberBox box(NumberBox::Keys::Any);
    box.SetText("41");
    box.Step(1);
    QCOMPARE(box.Text(), QString("42"));
    box.SetText("9999999");
    box.Step(1);
    QCOMPARE(box.Text(), QString("9999999"));
    box.SetText("0");
    box.Step(-1);
    QCOMPARE(box.Text(), QString("0"));
    box.SetText("ten");
    box.Step(1);
    QCOMPARE(box.Text(), QString("1"));
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
