#include <QCheckBox>
#include <QHelpEvent>
#include <QProgressBar>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>

#include "MainWindowProbe.h"
#include "support/FoundFiles.h"
#include "support/TempTree.h"
#include "support/TestPdf.h"
#include "ui/app/Twips.h"
#include "ui/results/FilePropertiesDialog.h"

namespace folidex::test {
namespace {

const QString kReading = "Reading\u2026";

// The texts of the window's labels, each marked when the label reads it as markup.
QStringList Shown(const FilePropertiesDialog& properties) {
  QStringList shown;
  for (const QLabel* label : properties.findChildren<QLabel*>()) {
    const bool markup = label->textFormat() == Qt::RichText ||
                        (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    shown << label->text() + (markup ? " as markup" : "");
  }
  return shown;
}

// The same, once the window for the file at `path` has read its paper sizes.
QStringList Shown(const std::string& path, const PageCount& pages) {
  const FilePropertiesDialog properties(QString::fromStdString(path), pages);
  if (!QTest::qWaitFor([&] { return !Shown(properties).contains(kReading); })) return {"still reading"};
  return Shown(properties);
}

// A tooltip as the user reads it.
QString ShownTip(const QString& tip) {
  if (!Qt::mightBeRichText(tip)) return tip;
  QTextDocument shown;
  shown.setHtml(tip);
  return shown.toPlainText();
}

// Whether a label has room for all of the text it shows, as QLabel itself measures it
// (frame, margins and indent included).
bool FitsItsText(const QLabel& label) { return label.QLabel::sizeHint().width() <= label.width(); }

}  // namespace

// The texts the results show. Texts too wide for their cells in the results grid: cut short on one line so that rows
// stay told apart, and shown whole, as they are, when the pointer rests on them. Our own
// properties window lists the file's pages by paper size, and for a file without a count,
// why. Names from the file system are shown as they are, never read as markup.
class ResultTextsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    const std::string deep = "a folder with a long name/and below it another one/";
    for (const char* name : {"007-annual_report_for_the_board.pdf", "007-budget_plan_for_the_board.pdf", "a.pdf",
                             "<b>bold-name-much-too-long-for-its-column.pdf"})
      files_.Write(deep + "client-a/" + name, MakePdf(1));
    files_.Write(deep + "client-b/report.pdf", MakePdf(1));
    files_.Write(deep + "client-b/scan.pdf", "%PDF-1.4\nthe rest of it was lost\n");
    shown_ = std::make_unique<ShownMainWindow>(files_.Path());
    const MainWindowProbe& probe = shown_->probe;
    probe.Find<QCheckBox>("chkSearchIncSubFlder")->setChecked(true);
    QVERIFY(probe.Search(files_.Path()));
    QCOMPARE(probe.Rows(), 6);
    grid_ = probe.grid;
    grid_->clearSelection();
  }

  // Cut names keep their start and cut locations keep their end: neither wraps at a hyphen
  // and shows only the part before it.
  void CutTextsStillTellRowsApart() {
    QVERIFY(Cell(Row("007-annual_report_for_the_board.pdf"), kFileName) !=
            Cell(Row("007-budget_plan_for_the_board.pdf"), kFileName));
    QVERIFY(Cell(Row("a.pdf"), kLocation) != Cell(Row("report.pdf"), kLocation));
  }

  // The whole text shows as a tip over a cut cell, markup in a name shown as typed; a cell
  // that shows all of its text has no tip.
  void HoveringACutCellShowsTheWholeText() {
    QCOMPARE(TipOver(Row("a.pdf"), kFileName), QString());
    const QString name = "<b>bold-name-much-too-long-for-its-column.pdf";
    QCOMPARE(TipOver(Row(name), kFileName), name);
    const QModelIndex location = grid_->model()->index(Row("report.pdf"), kLocation);
    QCOMPARE(TipOver(location.row(), kLocation), location.data().toString());
  }

  // An "Error" cell tells why the file has no count; a count has no tip.
  void HoveringAnErrorCellShowsWhy() {
    QCOMPARE(grid_->model()->index(Row("scan.pdf"), kPages).data().toString(), QString("Error"));
    QCOMPARE(TipOver(Row("scan.pdf"), kPages), QString("Damaged: no objects"));
    QCOMPARE(TipOver(Row("report.pdf"), kPages), QString());
  }

  void ShowsTheFileItsPaperSizesAndWhyItHasNoCount() {
    TempTree tree;
    const QStringList mixed = Shown(
        tree.Write("<i>folder/<u>x.pdf", MakePdfWithBoxes({"0 0 595.28 841.89", "0 0 612 792", "0 0 841.89 595.28",
                                                           "0 0 595.28 280.63", "0 0 1190.55 841.89"})),
        PageCount(5));
    QVERIFY(mixed.contains("<u>x.pdf") && mixed.contains(QString::fromStdString(tree.Path("<i>folder"))));
    QCOMPARE(mixed.indexOf("A3: 1\nA4: 2\nLetter: 1\n210\u00D799 mm: 1"), mixed.indexOf("Paper sizes:") + 1);
    QVERIFY(mixed.contains("5") && !mixed.contains("Reason:"));
    {  // The window opens before the sizes are read, and may close while they are.
      const FilePropertiesDialog opening(QString::fromStdString(tree.Path("<i>folder/<u>x.pdf")), PageCount(5));
      QVERIFY(Shown(opening).contains(kReading));
    }
    {  // A hundred sizes are all listed, in a window that still fits the screen.
      std::vector<std::string> boxes;
      for (int i = 0; i < 100; ++i) boxes.push_back("0 0 " + std::to_string(100 + 7 * i) + " 200");
      FilePropertiesDialog many(QString::fromStdString(tree.Write("many.pdf", MakePdfWithBoxes(boxes))),
                                PageCount(100));
      QTRY_VERIFY(!Shown(many).contains(kReading));
      many.show();
      QVERIFY(QTest::qWaitForWindowExposed(&many));
      const QStringList shown = Shown(many);
      QCOMPARE(shown.at(shown.indexOf("Paper sizes:") + 1).count("mm: 1"), 100);
      QVERIFY(many.frameGeometry().height() <= many.screen()->availableGeometry().height());
    }

    const QStringList failed = Shown(tree.Write("broken.pdf", "%PDF-1.4\nnothing more\n"),
                                     CountFailure{CountFailure::Kind::Damaged, "no catalog"});
    QCOMPARE(failed.indexOf("Unknown"), failed.indexOf("Paper sizes:") + 1);
    QVERIFY(failed.contains("Error"));
    QCOMPARE(failed.indexOf("Damaged: no catalog"), failed.indexOf("Reason:") + 1);
  }

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
    QCOMPARE(ShownTip(message->toolTip()), folder);
    for (const QString& whole : {QString("Done"), QString("Searching /tmp/<u>x</u>&amp;/")}) {
      bar.SetText(StatusPanel::Message, whole);
      QCOMPARE(message->text(), whole);
      QCOMPARE(ShownTip(message->toolTip()), whole);
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

 private:
  int Row(const QString& name) const {
    const QAbstractItemModel& model = *grid_->model();
    for (int row = 0; row < model.rowCount(); ++row)
      if (model.index(row, kFileName).data().toString() == name) return row;
    qFatal("no row for %s", qPrintable(name));
  }

  QImage Cell(int row, int column) const {
    return grid_->viewport()->grab(grid_->visualRect(grid_->model()->index(row, column))).toImage();
  }

  // The text of the tip shown over a cell, as the tip shows it.
  QString TipOver(int row, int column) const {
    // A tip shown before fades out over a moment: it must be gone first.
    QToolTip::hideText();
    if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); })) return "a tip that stays";
    const QPoint at = grid_->visualRect(grid_->model()->index(row, column)).center();
    QHelpEvent hover(QEvent::ToolTip, at, grid_->viewport()->mapToGlobal(at));
    QApplication::sendEvent(grid_->viewport(), &hover);
    if (!QToolTip::isVisible()) return {};
    return ShownTip(QToolTip::text());
  }

  TempTree files_;
  std::unique_ptr<ShownMainWindow> shown_;
  ResultGrid* grid_ = nullptr;
};

}  // namespace folidex::test

QTEST_MAIN(folidex::test::ResultTextsTest)
#include "ResultTextsTest.moc"
