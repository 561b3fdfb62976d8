#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "WhenModal.h"
#include "core/export/ExportWriter.h"
#include "support/FoundFiles.h"
#include "support/TempTree.h"
#include "ui/app/MainWindow.h"
#include "ui/export/ExportDialog.h"
#include "ui/export/ExportGrid.h"

namespace folidex::test {
namespace {

ResultTable SampleTable() {
  ResultTable table;
  table.Append(Found("a.pdf", 1234 * 1024, 12, At(2005, 7, 26, 15, 5)));
  table.Append(Found("say \"hi\".pdf", 1, -1, At(2006, 1, 2, 10)));
  table.Append(Found("Übersicht\tline\nbreak.pdf", 3 * 1024, 3, At(2006, 1, 3, 23), "/docs/more"));
  return table;
}

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

}  // namespace

class ExportGridTest : public QObject {
  Q_OBJECT

 private slots:
  // The file holds the table as it stood when the dialog opened: sorted order, hidden rows
  // kept, hidden columns dropped; rows a running search adds meanwhile are not in it. An
  // existing target is replaced.
  void WritesTheTableAsItStoodWhenTheDialogOpened() {
    TempTree tree;
    const std::string target = tree.Write("list.csv", "old contents");
    ResultTable table = SampleTable();
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

    FakePrompts text({Q(tree.Path("list.txt")), ","});
    ExportFoundFiles(SampleTable(), text.prompts);
    QVERIFY(tree.Read("list.txt")
                .starts_with("File Name,Location,Size,Modified Date,Pages\r\n"
                             "a.pdf,/docs,\"1,234 KB\",07/26/2005 03:05 PM,12\r\n"));
  }

  // A target that cannot be written is reported with the reason and leaves no file.
  void AFailedExportSaysWhyAndLeavesNothing() {
    TempTree tree;
    FakePrompts prompts({Q(tree.Path("missing/list.txt")), ","});
    ExportFoundFiles(SampleTable(), prompts.prompts);
    QCOMPARE(prompts.messages.size(), 1);
    QVERIFY(prompts.messages[0].startsWith("Unable to export data.\r\n\r\nCannot "));
    QVERIFY(prompts.messages[0].endsWith(": No such file or directory"));
    QCOMPARE(FolderEntries(tree.Path()), std::vector<std::string>{});
  }

  // "&Cancel" and the close box both end the export without a file or a message.
  void ACancelledExportTouchesNothing() {
    TempTree tree;
    tree.Write("list.txt", "keep me");
    for (const QString& fileName : {QString(ExportDialog::kCancelled), QString()}) {
      FakePrompts prompts({fileName, ""});
      ExportFoundFiles(SampleTable(), prompts.prompts);
      QCOMPARE(prompts.openings, 1);
      QCOMPARE(prompts.messages, QStringList());
    }
    QCOMPARE(FolderEntries(tree.Path()), std::vector<std::string>{"list.txt"});
    QCOMPARE(tree.Read("list.txt"), std::string("keep me"));
  }

  // The main window's "Export" button refuses an empty list with a message and opens no
  // dialog; its Tools menu item opens the dialog in the export location, writes the header
  // line alone and says where.
  void TheMainWindowsTwoCommands() {
    TempTree tree;
    AppSettings settings;
    settings.ExportLocation = tree.Path();
    MainWindow window(settings);
    QStringList shown;
    // An information box, its text plain: a path may hold markup.
    const auto answerMessage = [&shown](QMessageBox* box) {
      const bool plainInformation = box->icon() == QMessageBox::Information && box->textFormat() == Qt::PlainText;
      shown << (plainInformation ? "" : "not plain information: ") + box->windowTitle() + ": " + box->text();
      box->accept();
    };
    WhenModal<QMessageBox>(answerMessage);
    window.findChild<QPushButton*>("cmdExport")->click();
    QCOMPARE(shown, QStringList{"Folidex: No files found to export."});

    WhenModal<ExportDialog>([&answerMessage](ExportDialog* dialog) {
      dialog->findChild<QLineEdit*>("txtFileName")->setText("chosen");
      dialog->findChild<QLineEdit*>("txtColSaperator")->setText(";");
      WhenModal<QMessageBox>(answerMessage);
      dialog->findChild<QPushButton*>("cmdSave")->click();
    });
    window.findChild<QAction*>("mnuToolsExport")->trigger();
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown[1], "Folidex: Meta Data exported successfully to " + Q(tree.Path("chosen.txt")));
    QCOMPARE(tree.Read("chosen.txt"), std::string("File Name;Location;Size;Modified Date;Pages\r\n"));
  }
};

}  // namespace folidex::test

QTEST_MAIN(folidex::test::ExportGridTest)
#include "ExportGridTest.moc"
