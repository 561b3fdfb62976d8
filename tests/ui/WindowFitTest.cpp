#include <QApplication>
#include <QFontInfo>
#include <QHeaderView>
#include <QScrollBar>
#include <QTest>

#include "MainWindowProbe.h"
#include "WindowFit.h"
#include "support/TempTree.h"
#include "support/TestPdf.h"
#include "ui/about/AboutBox.h"
#include "ui/app/MainWindow.h"
#include "ui/app/SplashWindow.h"
#include "ui/export/ExportDialog.h"
#include "ui/results/FilePropertiesDialog.h"
#include "ui/settings/PreferencesDialog.h"

namespace folidex::test {

// Every window of the program, in each system font a Debian desktop may use and at its
// usual sizes, shows every caption whole and keeps every control inside its frame. The
// test runs once at the screen's own scale and once at QT_SCALE_FACTOR=2.
class WindowFitTest : public QObject {
  Q_OBJECT

 private slots:
  // DejaVu Sans (Debian's own), Liberation Sans and Noto Sans, each at the sizes desktops
  // set by default: 9 points (Qt without a desktop), 10 (KDE, Xfce) and 11 (GNOME).
  void initTestCase_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("points");
    for (const char* family : {"DejaVu Sans", "Liberation Sans", "Noto Sans"})
      for (int points : {9, 10, 11})
        QTest::newRow(qPrintable(QString("%1 %2").arg(family).arg(points))) << QString(family) << points;
  }

  void init() {
    QFETCH_GLOBAL(QString, family);
    QFETCH_GLOBAL(int, points);
    const QFont font(family, points);
    if (QFontInfo(font).family() != family)
      QFAIL(qPrintable("the font " + family + " is not installed (Makefile PACKAGES)"));
    QApplication::setFont(font);
  }

  void initTestCase() {
    // Names long enough to be cut short in the grid, and counts as wide as four digits.
    for (const auto& [name, pages] :
         std::vector<std::pair<std::string, int>>{{"001-trivial_minimal-document.pdf", 1},
                                                  {"007-annual-report-final-version-for-the-board.pdf", 117},
                                                  {"a.pdf", 1234}})
      files_.Write("a folder with a rather long name/and a subfolder/" + name, MakePdf(pages));
    // The file the properties window shows, and the fourth row: pages of four sizes, the longest a custom one.
    files_.Write("a folder with a rather long name/and a subfolder/<u>x.pdf",
                 MakePdfWithBoxes({"0 0 595.28 841.89", "0 0 595.28 841.89", "0 0 841.89 1190.55", "0 0 612 792",
                                   "0 0 2834.65 1417.32", "0 0 595.28 841.89", "0 0 612 792"}));
  }

  void MainWindowAfterASearch() {
    ShownMainWindow shown(files_.Path("a folder with a rather long name/and a subfolder"));
    QCOMPARE(shown.probe.Rows(), 4);
    ExpectFit(shown.window);

    // Every column whole beside the vertical scroll bar, so the Pages column shows its counts.
    const ResultGrid& grid = *shown.probe.grid;
    int columns = 0;
    for (int column = 0; column < grid.model()->columnCount(); ++column)
      if (!grid.isColumnHidden(column)) columns += grid.columnWidth(column);
    const int scrollBar = grid.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &grid);
    const int room = grid.viewport()->width() - (grid.verticalScrollBar()->isVisible() ? 0 : scrollBar);
    QVERIFY2(columns <= room, qPrintable(QString("columns %1 wide, room %2").arg(columns).arg(room)));
    QVERIFY(!grid.horizontalScrollBar()->isVisible());
  }

  void Preferences() {
    AppSettings settings;
    settings.StartupFolder = files_.Path("a folder with a rather long name");
    ResultTable grid;
    StandardPreferencesPickers pickers;
    PreferencesDialog dialog(
        settings, grid, [](const AppSettings&, std::string&) { return true; }, [](QString&) { return true; }, pickers);
    ExpectFit(dialog);
  }

  void Export() {
    ExportDialog dialog(files_.Path("a folder with a rather long name"));
    ExpectFit(dialog);
  }

  void About() {
    AboutBox about(AboutActions{});
    about.setAttribute(Qt::WA_DeleteOnClose, false);
    ExpectFit(about);
  }

  void Properties() {
    // A file that could not be counted also shows why, in qpdf's words at their longest.
    const CountFailure why{CountFailure::Kind::Damaged,
                           "unable to find trailer dictionary while recovering damaged file"};
    FilePropertiesDialog properties(
        QString::fromStdString(files_.Path("a folder with a rather long name/and a subfolder/<u>x.pdf")), why);
    ExpectFit(properties);
  }

  void Splash() {
    SplashWindow splash(60000);
    ExpectFit(splash);
  }

 private:
  static void ExpectFit(QWidget& window) {
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QStringList problems = FitProblems(window);
    for (const QString& problem : problems) qWarning("%s", qPrintable(problem));
    QVERIFY2(problems.isEmpty(), qPrintable(QString("%1 faults, listed above").arg(problems.size())));
  }

  TempTree files_;
};

}  // namespace folidex::test

QTEST_MAIN(folidex::test::WindowFitTest)
#include "WindowFitTest.moc"
