#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "MainWindowProbe.h"
#include "WhenModal.h"
#include "core/export/ExportWriter.h"
#include "support/FoundFiles.h"
#include "support/TempTree.h"
#include "ui/app/FolderTree.h"
#include "ui/export/ExportDialog.h"
#include "ui/export/ExportGrid.h"
#include "ui/export/ExportTargetName.h"

namespace folidex::test {
namespace {

// Prompts that answer the dialog with `choice` and keep the messages.
struct FakePrompts {
  explicit FakePrompts(ExportChoice choice, std::function<void()> whileOpen = {}) {
    prompts.openDialog = [this, choice, whileOpen] {
      ++openings;
      if (whileOpen) whileOpen();
      return choice;
    };
    prompts.showMessage = [this](const QString& message) { messages << message; };
  }

  int openings = 0;
  QStringList messages;
  ExportPrompts prompts;
};

QString Q(const std::string& text) { return QString::fromStdString(text); }

// An export dialog shown as an opening shows it, with its controls found by their names.
struct OpenDialog {
  explicit OpenDialog(const std::string& exportLocation)
      : dialog(exportLocation, [this](const QString& message) { messages << message; }) {
    dialog.show();
  }

  bool SeparatorShown() const { return !separator->isHidden() && !Named<QLabel>(dialog, "lblDelimeter")->isHidden(); }
  QString Save(int typeIndex, const QString& fileName) {
    type->setCurrentIndex(typeIndex);
    name->setText(fileName);
    Named<QPushButton>(dialog, "cmdSave")->click();
    return dialog.FileName();
  }

  QStringList messages;
  ExportDialog dialog;
  FolderTree* folders = Named<FolderTree>(dialog, "ftvFolder");
  QLineEdit* name = Named<QLineEdit>(dialog, "txtFileName");
  QComboBox* type = Named<QComboBox>(dialog, "cmbFileType");
  QLineEdit* separator = Named<QLineEdit>(dialog, "txtColSaperator");
};

}  // namespace

// The export dialog, and the export of the found files that it starts.
class ExportTest : public QObject {
  Q_OBJECT

  TempTree folders_;

 private slots:
  // The folders the dialog opens in: "other", "sub" and, under "many", "folder 00" to "folder 79".
  void initTestCase() {
    folders_.MakeFolder("other");
    folders_.MakeFolder("sub");
    for (int i = 0; i < 80; ++i) folders_.MakeFolder(QString("many/folder %1").arg(i, 2, 10, QChar('0')).toStdString());
  }

  // Every opening clears the results and resets every field, whatever the last one chose;
  // the tree starts in the export location, or the home folder for a blank or missing one.
  void EachOpeningStartsAfresh() {
    const QString location = Q(folders_.Path());
    OpenDialog open(folders_.Path());
    QCOMPARE(DefaultExportName(QDate(2026, 12, 6)), QString("2026_12_06_Data"));
    for (int opening = 0; opening < 2; ++opening) {
      QCOMPARE(open.dialog.FileName(), QString());
      QCOMPARE(open.dialog.ColumnSaperator(), QString());
      QCOMPARE(open.folders->SelectedFolder(), location);
      QCOMPARE(open.name->text(), DefaultExportName(QDate::currentDate()));
      QCOMPARE(open.separator->text(), QString(","));
      QCOMPARE(open.type->currentText(), QString("Text Document (*.txt)"));
      QVERIFY(open.SeparatorShown());

      QVERIFY(open.folders->SelectFolder(location + "/other"));
      open.separator->setText(";");
      QCOMPARE(open.Save(2, "mine"), location + "/other/mine.doc");
      QCOMPARE(open.dialog.ColumnSaperator(), QString(";"));
      QVERIFY(open.dialog.isHidden());
      open.dialog.show();
    }
    for (const std::string& elsewhere : {std::string(" \t "), folders_.Path("missing")})
      QCOMPARE(OpenDialog(elsewhere).folders->SelectedFolder(), QDir::homePath());
  }

  // The extension comes from the type's text; a name ending in exactly that extension does
  // not get it twice, any other ending (another case, another type) does.
  void TheTypeGivesTheExtension() {
    for (const auto& [type, name, target] : {std::tuple{0, "report", "/report.txt"},
                                             {0, "report.txt", "/report.txt"},
                                             {0, "report.TXT", "/report.TXT.txt"},
                                             {0, "report.csv", "/report.csv.txt"},
                                             {0, ".txt", "/.txt"},
                                             {1, "list.txt", "/list.txt.xls"},
                                             {2, "list.doc", "/list.doc"},
                                             {3, "a b.csv", "/a b.csv"},
                                             {3, " ", "/ .csv"}}) {
      OpenDialog open(folders_.Path());
      QCOMPARE(open.Save(type, name), Q(folders_.Path()) + target);
      QCOMPARE(open.messages, QStringList());
    }
  }

  // Typing drops the nine characters no file name may hold; pasting and the separator box
  // take anything. Either box selects its whole text when it gets the focus.
  void TypedForbiddenCharactersAreDropped() {
    OpenDialog open(folders_.Path());
    open.dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&open.dialog));
    open.name->setFocus();
    QVERIFY(QTest::qWaitFor([&] { return open.name->selectedText() == open.name->text(); }));
    QTest::keyClicks(open.name, "a:b\\/*?\"<>|c d.e");
    QCOMPARE(open.name->text(), QString("abc d.e"));

    QApplication::clipboard()->setText("x:y*");
    open.name->selectAll();
    QTest::keyClick(open.name, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(open.name->text(), QString("x:y*"));

    open.separator->setFocus();
    QVERIFY(QTest::qWaitFor([&] { return open.separator->selectedText() == ","; }));
    QTest::keyClicks(open.separator, "|");
    QCOMPARE(open.separator->text(), QString("|"));
  }

  // Only ".txt" and ".doc" show the separator, and only a shown separator is handed back; a
  // hidden one keeps its text for when it shows again. An empty name, or an empty separator
  // while it shows, keeps the dialog open with a message and no result; blanks pass.
  void TheSeparatorAndTheNameAreCheckedWhereTheyShow() {
    OpenDialog open(folders_.Path());
    for (int type = 0; type < 4; ++type) {
      open.type->setCurrentIndex(type);
      QCOMPARE(open.SeparatorShown(), type == 0 || type == 2);
      QCOMPARE(open.separator->text(), QString(","));
    }
    QCOMPARE(open.Save(1, "sheet"), Q(folders_.Path("sheet.xls")));
    QCOMPARE(open.dialog.ColumnSaperator(), QString());
    open.dialog.show();
    open.separator->setText(" ");
    open.Save(0, "blank");
    QCOMPARE(open.dialog.ColumnSaperator(), QString(" "));

    open.dialog.show();
    open.Save(0, "");
    QCOMPARE(open.messages, QStringList{"File Name must be specified."});
    open.separator->clear();
    open.Save(0, "  ");
    QCOMPARE(open.messages, QStringList({"File Name must be specified.", "Column Saperator must be specified."}));
    QVERIFY(open.dialog.isVisible());
    QCOMPARE(open.dialog.FileName(), QString());
    QCOMPARE(open.Save(3, "  "), Q(folders_.Path("  .csv")));
    QCOMPARE(open.messages.size(), 2);
  }

  // The dialog shows the file it would write, following the folder, the type and the name
  // as the user picks them.
  void ShowsTheFullPathOfTheFileToBeWritten() {
    const QString sub = Q(folders_.Path("sub"));
    OpenDialog open(folders_.Path());
    const auto* target = Named<QPlainTextEdit>(open.dialog, "txtTargetPath");
    QCOMPARE(target->toPlainText(), Q(folders_.Path()) + "/" + DefaultExportName(QDate::currentDate()) + ".txt");
    open.type->setCurrentIndex(3);
    open.name->setText("report");
    QVERIFY(open.folders->SelectFolder(sub));
    QCOMPARE(target->toPlainText(), sub + "/report.csv");
    QTest::keyClicks(open.name, "-2");
    QCOMPARE(target->toPlainText(), sub + "/report-2.csv");
    Named<QPushButton>(open.dialog, "cmdSave")->click();
    QCOMPARE(open.dialog.FileName(), sub + "/report-2.csv");
  }

  // The tree opens scrolled to the start folder, also when the folders above it are read
  // after it was selected.
  void TheStartFolderIsInSight() {
    OpenDialog open(folders_.Path("many/folder 75"));
    QVERIFY(QTest::qWaitForWindowExposed(&open.dialog));
    const auto inSight = [&] {
      return open.folders->viewport()->rect().contains(open.folders->visualRect(open.folders->currentIndex()));
    };
    QTRY_VERIFY(inSight());
    QTest::qWait(300);  // folders read later do not push it out of sight again
    QVERIFY(inSight());
  }

  // "&Cancel" and Esc leave the cancel marker; the close box leaves no result at all.
  void CancelMarksTheResultAndTheCloseBoxLeavesNone() {
    OpenDialog open(folders_.Path());
    for (const auto& cancel : {std::function<void()>([&] { Named<QPushButton>(open.dialog, "cmdCancel")->click(); }),
                               std::function<void()>([&] { QTest::keyClick(&open.dialog, Qt::Key_Escape); })}) {
      cancel();
      QCOMPARE(open.dialog.FileName(), QString(ExportDialog::kCancelled));
      QVERIFY(open.dialog.isHidden());
      open.dialog.show();
    }
    QVERIFY(open.dialog.close());
    QCOMPARE(open.dialog.FileName(), QString());
    QCOMPARE(open.dialog.ColumnSaperator(), QString());
  }

  // The file holds the table as it stood when the dialog opened: sorted order, hidden rows
  // kept, hidden columns dropped; rows a running search adds meanwhile are not in it. An
  // existing target is replaced.
  void WritesTheTableAsItStoodWhenTheDialogOpened() {
    TempTree tree;
    const std::string target = tree.Write("list.csv", "old contents");
    ResultTable table = SampleResults();
    table.SetColumnHidden(kLocation, true);
    table.SetRowHidden(0, true);
    table.Reorder({1, 0, 2});
    FakePrompts prompts({Q(target), ""}, [&table] { table.Append(Found("late.pdf")); });
    ExportFoundFiles(table, prompts.prompts);
    QCOMPARE(prompts.messages, QStringList{"Meta Data exported successfully to " + Q(target)});
    QCOMPARE(tree.Read("list.csv"), std::string("File Name\tSize\tModified Date\tPages\r\n"
                                                "\"say \"\"hi\"\".pdf\"\t1 KB\t01/02/2006 10:00 AM\tError\r\n"
                                                "a.pdf\t1,234 KB\t07/26/2005 03:05 PM\t12\r\n"
                                                "\"Übersicht\tline\nbreak.pdf\"\t3 KB\t01/03/2006 11:00 PM\t3\r\n"));
  }

  // A target that cannot be written is reported with the reason and leaves no file;
  // "&Cancel" and the close box both end the export without a file or a message.
  void AFailedOrCancelledExportLeavesNothing() {
    TempTree tree;
    FakePrompts failed({Q(tree.Path("missing/list.txt")), ","});
    ExportFoundFiles(SampleResults(), failed.prompts);
    QCOMPARE(failed.messages.size(), 1);
    QVERIFY(failed.messages[0].startsWith("Unable to export data.\r\n\r\nCannot "));
    QVERIFY(failed.messages[0].endsWith(": No such file or directory"));
    QCOMPARE(FolderEntries(tree.Path()), std::vector<std::string>{});

    tree.Write("list.txt", "keep me");
    for (const QString& fileName : {QString(ExportDialog::kCancelled), QString()}) {
      FakePrompts cancelled({fileName, ""});
      ExportFoundFiles(SampleResults(), cancelled.prompts);
      QCOMPARE(cancelled.openings, 1);
      QCOMPARE(cancelled.messages, QStringList());
    }
    QCOMPARE(FolderEntries(tree.Path()), std::vector<std::string>{"list.txt"});
    QCOMPARE(tree.Read("list.txt"), std::string("keep me"));
  }

  // The main window's "Export" button refuses an empty list with a message and opens no
  // dialog; its Tools menu item opens the dialog in the export location, writes the header
  // line alone and says where.
  void TheMainWindowsTwoCommands() {
    TempTree tree;
    TestWindow test;
    test.settings.ExportLocation = tree.Path();
    QStringList shown;
    // An information box, its text plain: a path may hold markup.
    const auto answerMessage = [&shown](QMessageBox* box) {
      const bool plainInformation = box->icon() == QMessageBox::Information && box->textFormat() == Qt::PlainText;
      shown << (plainInformation ? "" : "not plain information: ") + box->windowTitle() + ": " + box->text();
      box->accept();
    };
    WhenModal<QMessageBox>(answerMessage);
    test.probe.Find<QPushButton>("cmdExport")->click();
    QCOMPARE(shown, QStringList{"Folidex: No files found to export."});

    WhenModal<ExportDialog>([&answerMessage](ExportDialog* dialog) {
      Named<QLineEdit>(*dialog, "txtFileName")->setText("chosen");
      Named<QLineEdit>(*dialog, "txtColSaperator")->setText(";");
      WhenModal<QMessageBox>(answerMessage);
      Named<QPushButton>(*dialog, "cmdSave")->click();
    });
    test.probe.Find<QAction>("mnuToolsExport")->trigger();
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown[1], "Folidex: Meta Data exported successfully to " + Q(tree.Path("chosen.txt")));
    QCOMPARE(tree.Read("chosen.txt"), std::string("File Name;Location;Size;Modified Date;Pages\r\n"));
  }
};

}  // namespace folidex::test

QTEST_MAIN(folidex::test::ExportTest)
#include "ExportTest.moc"
