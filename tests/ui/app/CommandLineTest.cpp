#include <QTest>
#include <sstream>

#include "folidex/Version.h"
#include "ui/app/CommandLine.h"

namespace folidex::test {

class CommandLineTest : public QObject {
  Q_OBJECT

  static QStringList Split(const QString& arguments) { return arguments.split(' ', Qt::SkipEmptyParts); }

 private slots:
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
};

}  // namespace folidex::test

QTEST_GUILESS_MAIN(folidex::test::CommandLineTest)
#include "CommandLineTest.moc"
