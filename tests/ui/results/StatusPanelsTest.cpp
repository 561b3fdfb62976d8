#include <QProgressBar>
#include <QTest>
#include <QTextDocument>

#include "HeldCounter.h"
#include "MainWindowProbe.h"
#include "support/FoundFiles.h"
#include "support/TempTree.h"
#include "ui/app/Twips.h"

namespace folidex::test {
namespace {

const QChar kEllipsis(0x2026);

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
  // A long folder keeps its start and its end around "…", fits its panel and shows whole
  // in the tooltip; a short text shows as it is; file names are never taken for markup.
  void LongMessagesAreElidedInTheMiddle() {
    StatusPanels bar;
    bar.resize(1200, 30);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    auto* message = bar.findChild<QLabel*>("Message");

    const QString folder = "Searching /srv/archive/" + QString("client-folders/").repeated(12) + "2026-Q4-invoices/";
    bar.SetText(StatusPanel::Message, folder);
    const QString shown = message->text();
    QVERIFY2(shown.contains(kEllipsis), qPrintable(shown));
    QVERIFY2(shown.startsWith("Searching /srv/"), qPrintable(shown));
    QVERIFY2(shown.endsWith("2026-Q4-invoices/"), qPrintable(shown));
    QVERIFY(FitsItsText(*message));
    QCOMPARE(bar.Text(StatusPanel::Message), folder);
    QCOMPARE(ShownTip(*message), folder);

    bar.SetText(StatusPanel::Message, "Done");
    QCOMPARE(message->text(), QString("Done"));
    QCOMPARE(ShownTip(*message), QString("Done"));

    const QString markup = "Searching /tmp/<u>x</u>&amp;/";
    bar.SetText(StatusPanel::Message, markup);
    QCOMPARE(message->textFormat(), Qt::PlainText);
    QCOMPARE(message->text(), markup);
    QCOMPARE(ShownTip(*message), markup);
  }

  // On a bar too narrow for every panel at its width the message gives way: the count of
  // files, the selection and the clock keep all of their text.
  void ACrowdedBarSqueezesTheMessageOnly() {
    StatusPanels bar;
    bar.resize(1200, 30);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    bar.SetText(StatusPanel::Message, "Searching /srv/archive/" + QString("client-folders/").repeated(12));
    bar.SetText(StatusPanel::Files, "123456 file(s) found");
    bar.ShowSelection({12345, 1234567, 12});
    bar.ShowSearching(true);
    bar.resize(TwipsToPixels(12000), 30);  // the narrowest the main window gets
    QTRY_VERIFY(bar.findChild<QLabel*>("Message")->width() < TwipsToPixels(5715));

    auto* message = bar.findChild<QLabel*>("Message");
    auto* selection = bar.findChild<QLabel*>("Selection");
    QVERIFY(FitsItsText(*message));
    QCOMPARE(selection->text(), QString("12,345 files selected: 1,234,567 pages, 12 Errors"));
    std::vector<int> lefts;
    for (const char* name : {"Message", "Files", "Selection", "Clock"}) {
      auto* panel = bar.findChild<QLabel*>(name);
      QVERIFY2(FitsItsText(*panel), name);
      QVERIFY2(panel->geometry().right() < bar.width(), name);
      lefts.push_back(panel->x());
    }
    QVERIFY(std::is_sorted(lefts.begin(), lefts.end()));
    const QRect busy = bar.findChild<QProgressBar*>("SearchBusy")->geometry();
    QVERIFY(busy.left() > bar.findChild<QLabel*>("Clock")->geometry().right());
    QVERIFY(busy.right() < bar.width());
  }

  // The busy indicator shows from the click on "Search" to "Done".
  void BusyWhileASearchRuns() {
    TempTree tree;
    for (const char* name : {"a.pdf", "b.pdf"}) tree.Write(name, "%PDF-1.4");
    HeldCounter counter;
    AppSettings settings;
    MainWindow window(settings, counter.Settings());
    MainWindowProbe probe(window);
    auto* busy = probe.Find<QProgressBar>("SearchBusy");
    QVERIFY(!busy->isVisibleTo(&window));

    QVERIFY(probe.StartSearch(tree.Path()));
    QVERIFY(busy->isVisibleTo(&window));
    QVERIFY(QTest::qWaitFor([&] { return probe.Message().startsWith("Searching "); }));
    QVERIFY(busy->isVisibleTo(&window));
    counter.SetOpen(true);
    QVERIFY(probe.WaitForSearchEnd());
    QCOMPARE(probe.Message(), QString("Done"));
    QVERIFY(!busy->isVisibleTo(&window));
  }

  // Two or more shown rows selected: their files and the sum of their pages, files that
  // failed to count told apart; hidden rows, one row or none show nothing.
  void TheSelectionPanelSumsTheShownSelectedFiles() {
    AppSettings settings;
    MainWindow window(settings);
    MainWindowProbe probe(window);
    ResultModel& model = probe.Model();
    model.AppendFiles(
        {Found("a.pdf", 1, 1200), Found("b.pdf", 1, 34), Found("c.pdf", 1, -1), Found("d.pdf", 1, 1000000)}, {});
    auto* panel = probe.Find<QLabel>("Selection");
    const auto shown = [&] { return panel->isVisibleTo(&window) ? panel->text() : QString(); };
    const auto select = [&](int row, QItemSelectionModel::SelectionFlags how) {
      model.Selection()->select(model.index(row, 0), how | QItemSelectionModel::Rows);
    };

    QCOMPARE(shown(), QString());
    select(0, QItemSelectionModel::Select);
    QCOMPARE(shown(), QString());
    select(1, QItemSelectionModel::Select);
    QCOMPARE(shown(), QString("2 files selected: 1,234 pages"));
    select(2, QItemSelectionModel::Select);
    QCOMPARE(shown(), QString("3 files selected: 1,234 pages, 1 Error"));
    model.SelectAll();
    QCOMPARE(shown(), QString("4 files selected: 1,001,234 pages, 1 Error"));
    model.Sort(kPages, false);
    QCOMPARE(shown(), QString("4 files selected: 1,001,234 pages, 1 Error"));

    // "b.pdf" and "d.pdf" deleted: their rows stay selected but count no more.
    model.Selection()->clearSelection();
    for (int row = 0; row < model.rowCount(); ++row)
      if (model.index(row, kFileName).data().toString() != "a.pdf" &&
          model.index(row, kFileName).data().toString() != "c.pdf")
        select(row, QItemSelectionModel::Select);
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
