#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <filesystem>
#include <sstream>

#include "HeldCounter.h"
#include "MainWindowProbe.h"
#include "folidex/Version.h"
#include "support/TempTree.h"
#include "support/TestPdf.h"
#include "ui/app/CommandLine.h"
#include "ui/app/FolderTree.h"
#include "ui/app/Startup.h"

namespace folidex::test {
namespace {

QUrl FileUrl(const std::string& path) { return QUrl::fromLocalFile(QString::fromStdString(path)); }

// A file manager's drag of `urls` over `target`, offering `actions` and proposing to move, as
// file managers do by default; `drop` drops it after it entered. The action the window
// takes it with; none when it refuses it.
std::optional<Qt::DropAction> Drag(QWidget* target, const QList<QUrl>& urls, bool drop = false,
                                   Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction) {
  QMimeData data;
  data.setUrls(urls);
  const auto send = [target](QDropEvent&& event) -> std::optional<Qt::DropAction> {
    event.setDropAction(Qt::MoveAction);
    QApplication::sendEvent(target, &event);
    if (!event.isAccepted()) return std::nullopt;
    return event.dropAction();
  };
  const auto entered = send(QDragEnterEvent(target->rect().center(), actions, &data, Qt::LeftButton, {}));
  return drop ? send(QDropEvent(target->rect().center(), actions, &data, Qt::LeftButton, {})) : entered;
}

}  // namespace

// The ways the window comes to its folder: the command line, the start-up that opens the
// window on it, the folder tree and folders dropped onto the window.
class StartupTest : public QObject {
  Q_OBJECT

  // Start-up as the program does it, for a program installed in `program`; the messages it
  // shows are kept in `shown`.
  static StartupOptions Options(const TempTree& program, QStringList& shown) {
    StartupOptions options = StartupOptions::ForExecutableFolder(program.Root());
    options.showMessage = [&shown](const QString& message) { shown << message; };
    options.splashMilliseconds = 0;
    return options;
  }

  static QString Q(const std::string& text) { return QString::fromStdString(text); }
  static QStringList Split(const QString& arguments) { return arguments.split(' ', Qt::SkipEmptyParts); }

 private slots:
  void initTestCase() {
    startup_.Write("a.pdf", MakePdf(2));
    startup_.Write("Report.PDF", MakePdf(3));
    startup_.Write("notes.txt", "not a pdf");
    startup_.Write("sub/deeper.pdf", MakePdf(1));
    given_.Write("given.pdf", MakePdf(4));
    given_.Write("notes.txt", "not a pdf");
    program_.Write("Settings/Settings.ini", "[General]\r\nStartupFolder=" + startup_.Path() + "\r\n");
  }

  // The window searches the PDF files of the start-up folder by itself when it first becomes
  // active; a folder given on the command line instead, and a file given, also by a relative
  // path, stands for its folder; a path that does not exist is reported and the start-up
  // folder is searched. Becoming active again starts no second search.
  void FirstActivationSearchesThePathToOpenOrTheStartupFolder_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("searched");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QStringList>("messages");
    const QString startup = Q(startup_.Path()), given = Q(given_.Path()), missing = Q(given_.Path("missing"));
    QTest::newRow("none") << QString() << startup << 2 << 5 << QStringList();
    QTest::newRow("folder") << given << given << 1 << 4 << QStringList();
    QTest::newRow("relative file") << "notes.txt" << given << 1 << 4 << QStringList();
    QTest::newRow("missing") << missing << startup << 2 << 5
                             << QStringList{"Unable to open " + missing + "\r\n\r\nNo such file or directory"};
  }
  void FirstActivationSearchesThePathToOpenOrTheStartupFolder() {
    QFETCH(QString, path);
    QFETCH(QString, searched);
    QFETCH(int, rows);
    QFETCH(int, pages);
    const QString workingFolder = QDir::currentPath();
    QVERIFY(QDir::setCurrent(Q(given_.Path())));
    QStringList shown;
    StartupOptions options = Options(program_, shown);
    options.pathToOpen = path;
    AppSettings settings;
    const std::unique_ptr<MainWindow> window = StartUp(settings, options);
    QVERIFY(QDir::setCurrent(workingFolder));
    QVERIFY(window);
    MainWindowProbe probe(*window);
    QTEST(shown, "messages");
    QCOMPARE(probe.Address(), searched + "/");
    window->activateWindow();
    QVERIFY(QTest::qWaitFor([&] { return probe.Message() == "Done"; }, 30000));
    QCOMPARE(probe.Rows(), rows);
    QCOMPARE(probe.totalLabel->text(), "Total Pages : " + QString::number(pages));

    const TempTree& folder = searched == Q(startup_.Path()) ? startup_ : given_;
    const std::string later = folder.Write("later.pdf", MakePdf(1));
    QEvent away(QEvent::WindowDeactivate), back(QEvent::WindowActivate);
    QApplication::sendEvent(window.get(), &away);
    QApplication::sendEvent(window.get(), &back);
    QTest::qWait(200);
    std::filesystem::remove(later);
    QCOMPARE(probe.searchButton->text(), QString("&Search"));
    QCOMPARE(probe.Rows(), rows);
  }

  // Settings that cannot be loaded end the program with the reason and without a window.
  void UnloadableSettingsEndWithTheMessageAndNoWindow() {
    TempTree program;
    program.Write("Settings/Settings.ini", "[Grid]\r\nStyle=x1\r\n");
    QStringList shown;
    AppSettings settings;
    QVERIFY(!StartUp(settings, Options(program, shown)));
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].startsWith("Error occured while reading setting parameters.\r\n\r\n"), qPrintable(shown[0]));
    for (const QWidget* widget : QApplication::topLevelWidgets()) QVERIFY(!widget->isVisible());
  }

  void ReadsTheRequestAndThePath_data() {
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<CommandLine::Request>("request");
    QTest::addColumn<QString>("path");
    using Request = CommandLine::Request;
    QTest::newRow("none") << "" << Request::OpenWindow << "";
    QTest::newRow("folder") << "/srv/scans" << Request::OpenWindow << "/srv/scans";
    QTest::newRow("relative") << "scans" << Request::OpenWindow << "scans";
    QTest::newRow("help after a path") << "/srv/scans --help" << Request::ShowHelp << "";
    QTest::newRow("help after a bad option") << "-x -h" << Request::ShowHelp << "";
    QTest::newRow("version") << "--version" << Request::ShowVersion << "";
    QTest::newRow("help wins over version") << "--version --help" << Request::ShowHelp << "";
    QTest::newRow("a path that looks like an option") << "-- --help" << Request::OpenWindow << "--help";
    QTest::newRow("a lone dash is a path") << "-" << Request::OpenWindow << "-";
    QTest::newRow("unknown option") << "--recursive /srv" << Request::BadUsage << "";
    QTest::newRow("two folders") << "/srv /home" << Request::BadUsage << "";
    QTest::newRow("a second path after --") << "/srv -- /home" << Request::BadUsage << "";
  }
  void ReadsTheRequestAndThePath() {
    QFETCH(QString, arguments);
    const CommandLine commandLine = ParseCommandLine(Split(arguments));
    QTEST(commandLine.request, "request");
    QTEST(commandLine.path, "path");
    QCOMPARE(commandLine.error.isEmpty(), commandLine.request != CommandLine::Request::BadUsage);
  }

  // Help and version print and end well, bad usage ends with status 2 and the reason,
  // and opening the window is left to the caller.
  void AnswersWithTheExitStatus() {
    std::ostringstream out;
    std::ostringstream err;
    QCOMPARE(AnswerCommandLine(ParseCommandLine(Split("--version")), out, err), std::optional<int>(0));
    QCOMPARE(out.str(), "folidex " + std::string(kVersion) + "\n");
    out.str("");
    QCOMPARE(AnswerCommandLine(ParseCommandLine(Split("--help")), out, err), std::optional<int>(0));
    QVERIFY(out.str().starts_with("Usage: folidex "));
    QVERIFY(err.str().empty());
    out.str("");
    QCOMPARE(AnswerCommandLine(ParseCommandLine(Split("-r /srv")), out, err), std::optional<int>(2));
    QCOMPARE(err.str(), std::string("folidex: unknown option '-r'\nTry 'folidex --help' for more information.\n"));
    QVERIFY(out.str().empty());
    QCOMPARE(AnswerCommandLine(ParseCommandLine(Split("/srv")), out, err), std::nullopt);
  }

  // A folder dropped onto the grid, a PDF file onto the tree, a folder onto the address
  // box: each selects the folder and searches it, and the drop is taken as a copy even
  // when the file manager proposes to move. The tree shows its selection with one trailing
  // "/", and Enter on it searches it.
  void DroppedOrChosenFolderIsSelectedAndSearched() {
    TestWindow test;
    const MainWindowProbe& probe = test.probe;
    auto* tree = probe.Find<FolderTree>("ftv");
    const auto dropAndWait = [&](QWidget* target, const std::string& item) {
      QVERIFY(Drag(target, {FileUrl(item)}) == Qt::CopyAction);
      QVERIFY(Drag(target, {FileUrl(item)}, true) == Qt::CopyAction);
      QVERIFY(QTest::qWaitFor([&] { return probe.Searching(); }, 5000));
      QVERIFY(probe.WaitForSearchEnd());
    };
    dropAndWait(probe.grid->viewport(), given_.Path());
    QCOMPARE(probe.Address(), Q(given_.Path() + "/"));
    QCOMPARE(probe.totalLabel->text(), QString("Total Pages : 4"));
    dropAndWait(tree->viewport(), startup_.Path("Report.PDF"));
    QCOMPARE(tree->SelectedFolder(), Q(startup_.Path()));
    QCOMPARE(probe.totalLabel->text(), QString("Total Pages : 5"));
    dropAndWait(probe.Find<QLineEdit>("txtAddress"), given_.Path());
    QCOMPARE(probe.totalLabel->text(), QString("Total Pages : 4"));

    QVERIFY(tree->SelectFolder("/"));
    QCOMPARE(probe.Address(), QString("/"));
    QVERIFY(tree->SelectFolder(Q(startup_.Path())));
    QCOMPARE(probe.Address(), Q(startup_.Path() + "/"));
    QTest::keyClick(tree, Qt::Key_Return);
    QVERIFY(probe.Searching());
    QVERIFY(probe.WaitForSearchEnd());
    QCOMPARE(probe.totalLabel->text(), QString("Total Pages : 5"));
  }

  // Anything but a folder or PDF files of one folder is refused, also a drag that offers
  // only to move, and a refused drop changes nothing.
  void OtherDropsAreRefused() {
    TestWindow test({}, startup_.Path());
    QWidget* grid = test.probe.grid->viewport();
    for (const auto& [what, urls] : std::vector<std::pair<const char*, QList<QUrl>>>{
             {"a file that is not a PDF", {FileUrl(given_.Path("notes.txt"))}},
             {"a path that does not exist", {FileUrl(given_.Path("gone"))}},
             {"a web address", {QUrl("https://folidex.example/a.pdf")}},
             {"two folders", {FileUrl(startup_.Path()), FileUrl(given_.Path())}},
             {"PDF files of two folders", {FileUrl(startup_.Path("a.pdf")), FileUrl(given_.Path("given.pdf"))}},
             {"no address at all", {}}}) {
      QVERIFY2(!Drag(grid, urls), what);
      QVERIFY2(!Drag(grid, urls, true), what);
    }
    QVERIFY(!Drag(grid, {FileUrl(given_.Path())}, true, Qt::MoveAction));
    QTest::qWait(50);
    QCOMPARE(test.probe.Address(), Q(startup_.Path() + "/"));
    QCOMPARE(test.probe.Rows(), 0);

    // PDF files that all lie in one folder stand for that folder.
    QVERIFY(Drag(grid, {FileUrl(startup_.Path("a.pdf")), FileUrl(startup_.Path("Report.PDF"))}) == Qt::CopyAction);
  }

  // A folder dropped while a search runs is searched once that search has stopped.
  void DropDuringASearchSearchesTheDroppedFolderNext() {
    HeldCounter counter;
    TestWindow test(counter.Settings());
    const MainWindowProbe& probe = test.probe;
    QVERIFY(probe.StartSearch(startup_.Path()));
    QVERIFY(Drag(probe.grid->viewport(), {FileUrl(given_.Path())}, true) == Qt::CopyAction);
    QTest::qWait(50);
    counter.SetOpen(true);
    QVERIFY(QTest::qWaitFor([&] { return probe.Rows() == 1 && probe.Message() == "Done"; }, 30000));
    QCOMPARE(probe.Cell(0, kFileName), QString("given.pdf"));
    QCOMPARE(probe.Address(), Q(given_.Path() + "/"));
  }

 private:
  TempTree startup_, given_, program_;
};

}  // namespace folidex::test

QTEST_MAIN(folidex::test::StartupTest)
#include "StartupTest.moc"
