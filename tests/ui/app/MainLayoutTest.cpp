#include <QGroupBox>
#include <QSplitter>
#include <QTest>

#include "MainWindowProbe.h"
#include "support/TempTree.h"
#include "ui/app/MainLayout.h"

namespace folidex::test {

class MainLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void AtMinimumWidthEverythingEndsAt11800() {
    for (bool advancedShown : {true, false}) {
      const MainLayout layout = LayoutOnResize({12000, 9000}, 300, advancedShown);
      QCOMPARE(layout.splitPanel.Right(), 11800);
      QCOMPARE(layout.searchBar.Right(), 11800);
      QCOMPARE(layout.advancedOptions.Right(), 11800);
      QCOMPARE(layout.totalLabel.Right(), 11800);
      QCOMPARE(layout.addressText.Right(), 11800);
      QCOMPARE(layout.searchBar.top, 9000 - 465 - 300 - 800);
      QCOMPARE(layout.totalLabel.top, layout.splitPanel.Bottom() + 50);
    }
  }

  void HidingTheAdvancedOptionsGrowsTheGridDown() {
    MainLayout shown = LayoutOnResize({12000, 9000}, 300, true);
    MainLayout hidden = shown;
    LayoutAfterShowHide(hidden, 8000, false);
    QCOMPARE(hidden.searchBar.top, 8000 - 465 - 50);
    QCOMPARE(hidden.splitPanel.Bottom(), hidden.searchBar.top - 225 - 100);
    QVERIFY(hidden.totalLabel.top > shown.totalLabel.top);
    LayoutAfterShowHide(hidden, 8000, true);
    QCOMPARE(hidden.advancedOptions.Bottom(), hidden.searchBar.top - 50);
    QCOMPARE(hidden.splitPanel.Bottom(), hidden.advancedOptions.top - 225 - 100);
  }

  void WindowSnapsBackToItsMinimumSize() {
    MainWindow& window = ShownWindow();
    window.resize(300, 200);
    QVERIFY(QTest::qWaitFor([&] { return window.frameGeometry().size() == QSize(800, 400); }, 5000));
  }

  // The window system is told the same minimum the rules enforce, so a drag stops there
  // instead of snapping back.
  void MinimumSizeIsTheRulesMinimum() {
    MainWindow& window = ShownWindow();
    const QSize frame = window.frameGeometry().size() - window.size();
    QCOMPARE(window.minimumSize() + frame, QSize(800, 400));
    QCOMPARE(window.minimumSizeHint(), window.minimumSize());
  }

  void AtMinimumWidthTheGridAndBarsEndAt11800() {
    MainWindow& window = ShownWindow();
    window.resize(800 - (window.frameGeometry().width() - window.width()), 600);
    QVERIFY(QTest::qWaitFor([&] { return window.frameGeometry().width() == 800; }, 5000));
    const int right = TwipsToPixels(11800);
    for (const char* name : {"spSplitter", "fmeAdvancedSearchOptions", "fmeSearch", "lblPageCount"}) {
      const QWidget* control = window.findChild<QWidget*>(name);
      QVERIFY2(control, name);
      QCOMPARE(control->geometry().x() + control->geometry().width(), right);
    }
  }

  void ShowHideButtonTogglesTheAdvancedOptions() {
    MainWindow& window = ShownWindow();
    MainWindowProbe probe(window);
    auto* button = window.findChild<QPushButton*>("cmdShowHideAdvanceSearch");
    auto* options = window.findChild<QGroupBox*>("fmeAdvancedSearchOptions");
    const QWidget* splitter = window.findChild<QSplitter*>("spSplitter");
    QCOMPARE(button->text(), QString("Hide Advance Options"));
    const int gridBottom = splitter->geometry().bottom();

    button->click();
    QCOMPARE(button->text(), QString("Show Advance Option"));
    QVERIFY(options->isHidden());
    QVERIFY(splitter->geometry().bottom() > gridBottom);
    QVERIFY(probe.totalLabel->geometry().top() > splitter->geometry().bottom());

    button->click();
    QCOMPARE(button->text(), QString("Hide Advance Option"));
    QVERIFY(!options->isHidden());
    QVERIFY(options->geometry().top() > splitter->geometry().bottom());
  }

 private:
  // A shown main window whose first search runs on an empty folder.
  MainWindow& ShownWindow() {
    settings_.StartupFolder = emptyFolder_.Path();
    window_ = std::make_unique<MainWindow>(settings_);
    window_->show();
    if (!QTest::qWaitForWindowExposed(window_.get())) qFatal("the main window was not shown");
    return *window_;
  }

  TempTree emptyFolder_;
  AppSettings settings_;
  std::unique_ptr<MainWindow> window_;
};

}  // namespace folidex::test

QTEST_MAIN(folidex::test::MainLayoutTest)
#include "MainLayoutTest.moc"
