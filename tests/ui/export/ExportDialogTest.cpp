#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "Named.h"
#include "support/TempTree.h"
#include "ui/app/FolderTree.h"
#include "ui/export/ExportDialog.h"
#include "ui/export/ExportTargetName.h"

namespace folidex::test {

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

class ExportDialogTest : public QObject {
  Q_OBJECT

 private slots:
  // Every opening clears the results and resets every field, whatever the last one chose;
  // the tree starts in the export location, or the home folder for a blank or missing one.
  void EachOpeningStartsAfresh() {
    TempTree tree;
    tree.MakeFolder("other");
    const QString location = QString::fromStdString(tree.Path());
    OpenDialog open(tree.Path());
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
    for (const std::string& elsewhere : {std::string(" \t "), tree.Path("missing")})
      QCOMPARE(OpenDialog(elsewhere).folders->SelectedFolder(), QDir::homePath());
  }

  // The extension comes from the type's text; a name ending in exactly that extension does
  // not get it twice, any other ending (another case, another type) does.
  void TheTypeGivesTheExtension() {
    TempTree tree;
    for (const auto& [type, name, target] : {std::tuple{0, "report", "/report.txt"},
                                             {0, "report.txt", "/report.txt"},
                                             {0, "report.TXT", "/report.TXT.txt"},
                                             {0, "report.csv", "/report.csv.txt"},
                                             {0, ".txt", "/.txt"},
                                             {1, "list.txt", "/list.txt.xls"},
                                             {2, "list.doc", "/list.doc"},
                                             {3, "a b.csv", "/a b.csv"},
                                             {3, " ", "/ .csv"}}) {
      OpenDialog open(tree.Path());
      QCOMPARE(open.Save(type, name), QString::fromStdString(tree.Path()) + target);
      QCOMPARE(open.messages, QStringList());
    }
  }

  // Typing drops the nine characters no file name may hold; pasting and the separator box
  // take anything. Either box selects its whole text when it gets the focus.
  void TypedForbiddenCharactersAreDropped() {
    TempTree tree;
    OpenDialog open(tree.Path());
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
    TempTree tree;
    OpenDialog open(tree.Path());
    for (int type = 0; type < 4; ++type) {
      open.type->setCurrentIndex(type);
      QCOMPARE(open.SeparatorShown(), type == 0 || type == 2);
      QCOMPARE(open.separator->text(), QString(","));
    }
    QCOMPARE(open.Save(1, "sheet"), QString::fromStdString(tree.Path("sheet.xls")));
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
    QCOMPARE(open.Save(3, "  "), QString::fromStdString(tree.Path("  .csv")));
    QCOMPARE(open.messages.size(), 2);
  }

  // The dialog shows the file it would write, following the folder, the type and the name
  // as the user picks them.
  void ShowsTheFullPathOfTheFileToBeWritten() {
    TempTree tree;
    const QString sub = QString::fromStdString(tree.MakeFolder("sub"));
    OpenDialog open(tree.Path());
    const auto* target = Named<QPlainTextEdit>(open.dialog, "txtTargetPath");
    QCOMPARE(target->toPlainText(),
             QString::fromStdString(tree.Path()) + "/" + DefaultExportName(QDate::currentDate()) + ".txt");
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
    TempTree tree;
    for (int i = 0; i < 80; ++i) tree.MakeFolder(QString("folder %1").arg(i, 2, 10, QChar('0')).toStdString());
    OpenDialog open(tree.Path("folder 75"));
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
    TempTree tree;
    OpenDialog open(tree.Path());
    Named<QPushButton>(open.dialog, "cmdCancel")->click();
    QCOMPARE(open.dialog.FileName(), QString(ExportDialog::kCancelled));
    QVERIFY(open.dialog.isHidden());
    open.dialog.show();
    QTest::keyClick(&open.dialog, Qt::Key_Escape);
    QCOMPARE(open.dialog.FileName(), QString(ExportDialog::kCancelled));
    QVERIFY(open.dialog.isHidden());
    open.dialog.show();
    QVERIFY(open.dialog.close());
    QCOMPARE(open.dialog.FileName(), QString());
    QCOMPARE(open.dialog.ColumnSaperator(), QString());
  }
};

}  // namespace folidex::test

QTEST_MAIN(folidex::test::ExportDialogTest)
#include "ExportDialogTest.moc"
