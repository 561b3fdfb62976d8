#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <tuple>

#include "MainWindowProbe.h"
#include "support/TempTree.h"
#include "support/TestPdf.h"
#include "ui/app/FolderTree.h"
#include "ui/app/Startup.h"

namespace folidex::test {

class StartupTest : public QObject {
  Q_OBJECT

  // Start-up as the program does it, for a program installed in `program`.
  static StartupOptions OptionsFor(const TempTree& program) {
    StartupOptions options = StartupOptions::ForExecutableFolder(program.Root());
    options.showMessage = [](const QString& message) { qFatal("unexpected message: %s", qPrintable(message)); };
    options.splashMilliseconds = 0;
    return options;
  }

 private slots:
  // A valid start-up folder is searched by itself when the window first becomes active,
  // and becoming active again starts no second search.
  void FirstActivationSearchesTheStartupFolderOnce() {
    TempTree tree;
    tree.Write("a.pdf", MakePdf(2));
    tree.Write("Report.PDF", MakePdf(3));
    tree.Write("notes.txt", "not a pdf");
    tree.Write("sub/deeper.pdf", MakePdf(1));
    TempTree program;
    program.Write("Settings/Settings.ini", "[General]\r\nStartupFolder=" + tree.Path() + "\r\n");

    AppSettings settings;
    const std::unique_ptr<MainWindow> window = StartUp(settings, OptionsFor(program));
    QVERIFY(window);
    MainWindowProbe probe(*window);
    QCOMPARE(probe.Find<QLineEdit>("txtAddress")->text(), QString::fromStdString(tree.Path() + "/"));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QVERIFY(QTest::qWaitFor([&] { return probe.Message() == "Done"; }, 30000));
    QCOMPARE(probe.searchButton->text(), QString("&Search"));
    QCOMPARE(probe.Rows(), 2);
    QCOMPARE(probe.statusBar->Text(StatusPanel::Files), QString("2 file(s) found"));
    QCOMPARE(probe.totalLabel->text(), QString("Total Pages : 5"));

    tree.Write("later.pdf", MakePdf(1));
    QEvent away(QEvent::WindowDeactivate);
    QEvent back(QEvent::WindowActivate);
    QApplication::sendEvent(window.get(), &away);
    QApplication::sendEvent(window.get(), &back);
    QTest::qWait(200);
    QCOMPARE(probe.searchButton->text(), QString("&Search"));
    QCOMPARE(probe.Rows(), 2);
  }

  // A folder given on the command line is searched first instead of the start-up folder;
  // a file given, also by a relative path, stands for its folder; a path that does not
  // exist is reported and the start-up folder is searched.
  void PathToOpenIsSearchedFirst() {
    TempTree startup;
    startup.Write("startup.pdf", MakePdf(1));
    TempTree given;
    given.Write("given.pdf", MakePdf(2));
    given.Write("notes.txt", "not a pdf");
    TempTree program;
    program.Write("Settings/Settings.ini", "[General]\r\nStartupFolder=" + startup.Path() + "\r\n");
    const QString givenFolder = QString::fromStdString(given.Path());
    const QString missing = QString::fromStdString(given.Path("missing"));
    const QString workingFolder = QDir::currentPath();
    QVERIFY(QDir::setCurrent(givenFolder));

    for (const auto& [path, searched, total, message] :
         {std::tuple{givenFolder, givenFolder, "Total Pages : 2", QString()},
          std::tuple{QString("notes.txt"), givenFolder, "Total Pages : 2", QString()},
          std::tuple{missing, QString::fromStdString(startup.Path()), "Total Pages : 1",
                     "Unable to open " + missing + "\r\n\r\nNo such file or directory"}}) {
      QStringList shown;
      StartupOptions options = OptionsFor(program);
      options.pathToOpen = path;
      options.showMessage = [&shown](const QString& text) { shown << text; };
      AppSettings settings;
      const std::unique_ptr<MainWindow> window = StartUp(settings, options);
      QVERIFY(window);
      MainWindowProbe probe(*window);
      QCOMPARE(shown, message.isEmpty() ? QStringList() : QStringList{message});
      QCOMPARE(probe.Find<QLineEdit>("txtAddress")->text(), searched + "/");
      window->activateWindow();
      QVERIFY(QTest::qWaitFor([&] { return probe.Message() == "Done"; }, 30000));
      QCOMPARE(probe.totalLabel->text(), QString(total));
    }
    QVERIFY(QDir::setCurrent(workingFolder));
  }

  // The tree stores its selection with one trailing "/", and Enter on it searches it.
  void TreeSelectsTheSearchFolderAndEnterSearchesIt() {
    TempTree folder;
    folder.Write("x.pdf", MakePdf(4));
    AppSettings settings;
    MainWindow window(settings);
    MainWindowProbe probe(window);
    auto* tree = probe.Find<FolderTree>("ftv");
    const auto* address = probe.Find<QLineEdit>("txtAddress");
    QVERIFY(tree->SelectFolder("/"));
    QCOMPARE(address->text(), QString("/"));
    QVERIFY(tree->SelectFolder(QString::fromStdString(folder.Path())));
    QCOMPARE(address->text(), QString::fromStdString(folder.Path() + "/"));

    QTest::keyClick(tree, Qt::Key_Return);
    QVERIFY(probe.Searching());
    QVERIFY(probe.WaitForSearchEnd());
    QCOMPARE(probe.Message(), QString("Done"));
    QCOMPARE(probe.totalLabel->text(), QString("Total Pages : 4"));
  }

  // Settings that cannot be loaded end the program with the reason and without a window.
  void UnloadableSettingsEndWithTheMessageAndNoWindow() {
    TempTree program;
    program.Write("Settings/Settings.ini", "[Grid]\r\nStyle=x1\r\n");
    QStringList shown;
    StartupOptions options = OptionsFor(program);
    options.showMessage = [&shown](const QString& message) { shown << message; };

    AppSettings settings;
    QVERIFY(!StartUp(settings, options));
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].startsWith("Error occured while reading setting parameters.\r\n\r\n"), qPrintable(shown[0]));
    for (const QWidget* widget : QApplication::topLevelWidgets()) QVERIFY(!widget->isVisible());
  }
};

}  // namespace folidex::test

QTEST_MAIN(folidex::test::StartupTest)
#include "StartupTest.moc"
