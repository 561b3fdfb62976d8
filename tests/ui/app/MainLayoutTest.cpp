#include <QGroupBox>
#include <QSplitter>
#include <QTest>

#include "MainWindowProbe.h"
#include "support/TempTree.h"

namespace folidex::test {

// How the main window's layout answers the user: the window fit test checks that every
// control shows whole at every size the window opens at.
class MainLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { shown_ = std::make_unique<ShownMainWindow>(emptyFolder_.Path()); }
  void cleanup() { shown_.reset(); }

  // The window system is told the minimum the layout rules enforce, so a drag stops there;
  // a smaller size it applies all the same snaps back.
  void TheWindowKeepsItsMinimumSize() {
    MainWindow& window = shown_->window;
    const QSize frame = window.frameGeometry().size() - window.size();
    QCOMPARE(window.minimumSize() + frame, QSize(800, 400));
    QCOMPARE(window.minimumSizeHint(), window.minimumSize());
    window.resize(300, 200);
    QVERIFY(QTest::qWaitFor([&] { return window.frameGeometry().size() == QSize(800, 400); }, 5000));
  }

  // Hiding the advanced options gives their room to the grid; showing them takes it back.
  void ShowHideButtonTogglesTheAdvancedOptions() {
    const MainWindowProbe& probe = shown_->probe;
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
  }

 private:
  TempTree emptyFolder_;
  std::unique_ptr<ShownMainWindow> shown_;
};

}  // namespace folidex::test

QTEST_MAIN(folidex::test::MainLayoutTest)
#include "MainLayoutTest.moc"
