#include <QProgressBar>
#include <QTest>
#include <QTextDocument>

#include "MainWindowProbe.h"
#include "support/FoundFiles.h"
#include "ui/app/Twips.h"

namespace folidex::test {
namespace {

// A tooltip as the user reads it.
QString ShownTip(const QWidget& widget) {
  QTextDocument tip;
  tip.setHtml(widget.toolTip());
  return tip.toPlainText();
}

// Whether a label has room for all of the text it shows, as QLabel itself measures it
// (frame, margins and indent included).
bool FitsItsText(const QLabel& label) { return label.QLabel::sizeHint().width() <= label.width(); }

}  // namespace

class StatusPanelsTest : public QObject {
  Q_OBJECT

 private slots:
  // A long folder keeps its start and its end around "…", fits its panel and shows whole in
  // the tooltip; a short text shows as it is; file names are never taken for markup. On a bar
  // too narrow for every panel the message gives way: the count of files, the selection and
  // the clock keep all of their text.
  void LongMessagesAreElidedInTheMiddle() {
    StatusPanels bar;
    bar.resize(1200, 30);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    auto* message = Named<QLabel>(bar, "Message");
    const QString folder = "Searching /srv/archive/" + QString("client-folders/").repeated(12) + "2026-Q4-invoices/";
    bar.SetText(StatusPanel::Message, folder);
    const QString shown = message->text();
    QVERIFY2(shown.contains(QChar(0x2026)), qPrintable(shown));
    QVERIFY2(shown.startsWith("Searching /srv/") && shown.endsWith("2026-Q4-invoices/"), qPrintable(shown));
    QVERIFY(FitsItsText(*message));
    QCOMPARE(bar.Text(StatusPanel::Message), folder);
    QCOMPARE(ShownTip(*message), folder);
    for (const QString& whole : {QString("Done"), QString("Searching /tmp/<u>x</u>&amp;/")}) {
      bar.SetText(StatusPanel::Message, whole);
      QCOMPARE(message->text(), whole);
      QCOMPARE(ShownTip(*message), whole);
    }
    QCOMPARE(message->textFormat(), Qt::PlainText);

    bar.SetText(StatusPanel::Message, "Searching /srv/archive/" + QString("client-folders/").repeated(12));
    bar.SetText(StatusPanel::Files, "123456 file(s) found");
    bar.ShowSelection({12345, 1234567, 12});
    bar.ShowSearching(true);
    bar.resize(TwipsToPixels(12000), 30);  // the narrowest the main window gets
    QTRY_VERIFY(message->width() < TwipsToPixels(5715));
    QCOMPARE(Named<QLabel>(bar, "Selection")->text(), QString("12,345 files selected: 1,234,567 pages, 12 Errors"));
    std::vector<int> lefts;
    for (const char* name : {"Message", "Files", "Selection", "Clock"}) {
      auto* panel = Named<QLabel>(bar, name);
      QVERIFY2(FitsItsText(*panel), name);
      QVERIFY2(panel->geometry().right() < bar.width(), name);
      lefts.push_back(panel->x());
    }
    QVERIFY(std::is_sorted(lefts.begin(), lefts.end()));
    const QRect busy = Named<QProgressBar>(bar, "SearchBusy")->geometry();
    QVERIFY(busy.left() > Named<QLabel>(bar, "Clock")->geometry().right());
    QVERIFY(busy.right() < bar.width());
  }

  // Two or more shown rows selected: their files and the sum of their pages, files that
  // failed to count told apart; hidden rows, one row or none show nothing.
  void TheSelectionPanelSumsTheShownSelectedFiles() {
    TestWindow test;
    const MainWindow& window = test.window;
    ResultModel& model = test.probe.Model();
    model.AppendFiles(
        {Found("a.pdf", 1, 1200), Found("b.pdf", 1, 34), Found("c.pdf", 1, -1), Found("d.pdf", 1, 1000000)}, {});
    auto* panel = test.probe.Find<QLabel>("Selection");
    const auto shown = [&] { return panel->isVisibleTo(&window) ? panel->text() : QString(); };
    const auto select = [&](int row) {
      model.Selection()->select(model.index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    };

    QCOMPARE(shown(), QString());
    select(0);
    QCOMPARE(shown(), QString());
    select(1);
    QCOMPARE(shown(), QString("2 files selected: 1,234 pages"));
    select(2);
    QCOMPARE(shown(), QString("3 files selected: 1,234 pages, 1 Error"));
    model.SelectAll();
    QCOMPARE(shown(), QString("4 files selected: 1,001,234 pages, 1 Error"));
    model.Sort(kPages, false);  // c.pdf, d.pdf, a.pdf, b.pdf
    QCOMPARE(shown(), QString("4 files selected: 1,001,234 pages, 1 Error"));

    // "d.pdf" and "b.pdf" deleted: their rows stay selected but count no more.
    model.Selection()->clearSelection();
    select(1);
    select(3);
    QCOMPARE(shown(), QString("2 files selected: 1,000,034 pages"));
    QCOMPARE(model.DeleteSelectedFiles([](const std::string&) { return true; }), std::nullopt);
    QCOMPARE(shown(), QString());
    model.SelectAll();
    QCOMPARE(shown(), QString("2 files selected: 1,200 pages, 1 Error"));

    model.ApplySearchEvent(walk::ResultsCleared{});
    QCOMPARE(shown(), QString());
  }
};

}  // namespace folidex::test

QTEST_MAIN(folidex::test::StatusPanelsTest)
#include "StatusPanelsTest.moc"
