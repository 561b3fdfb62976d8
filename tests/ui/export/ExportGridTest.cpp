#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <tuple>
#include <unistd.h>

#include "core/export/ExportWriter.h"
#include "support/TempTree.h"
#include "ui/app/MainWindow.h"
#include "ui/export/ExportDialog.h"
#include "ui/export/ExportGrid.h"

namespace folidex::test {
namespace {

ResultTable SampleTable() {
  ResultTable table;
  table.AppendRow({"a.pdf", "/docs", "1,234 KB", "07/26/2005 03:05 PM", "12", "/docs/a.pdf", "1234"});
  table.AppendRow({"say \"hi\".pdf", "/docs", "1 KB", "01/02/2006 10:00 AM", "Error", "/docs/say \"hi\".pdf", "1"});
  table.AppendRow({"Übersicht\tline\nbreak.pdf", "/docs/more", "3 KB", "01/03/2006 11:00 PM", "3", "/x", "3"});
  return table;
}

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) names.push_back(entry.path());
  std::sort(names.begin(), names.end());
  return names;
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

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

class ExportGridTest : public QObject {
  Q_OBJECT

 private slots:
  // The button refuses a table without data rows and opens no dialog; the menu item opens
  // it and writes the header line alone.
  void TheButtonNeedsADataRowTheMenuDoesNot() {
    TempTree tree;
    const ResultTable empty;
    FakePrompts button({Q(tree.Path("list.txt")), ","});
    ExportFoundFiles(empty, button.prompts);
    QCOMPARE(button.openings, 0);
    QCOMPARE(button.messages, QStringList{"No files found to export."});
    QVERIFY(FilesIn(tree.Path()).empty());

    FakePrompts menu({Q(tree.Path("list.txt")), ","});
    ExportGrid(empty, menu.prompts);
    QCOMPARE(menu.openings, 1);
    QCOMPARE(tree.Read("list.txt"), std::string("File Name,Location,Size,Modified Date,Pages\r\n"));
    QCOMPARE(menu.messages, QStringList{"Meta Data exported successfully to " + Q(tree.Path("list.txt"))});
  }

  // The file holds the table as it stood when the dialog opened: sorted order, hidden rows
  // kept, hidden columns dropped; rows a running search adds meanwhile are not in it. An
  // existing target is replaced.
  void WritesTheTableAsItStoodWhenTheDialogOpened() {
    TempTree tree;
    const std::string target = tree.Write("list.csv", "old contents");
    ResultTable table = SampleTable();
    table.SetColumnHidden(kLocation, true);
    table.SetRowHidden(1, true);
    table.ReorderDataRows({2, 1, 3});
    FakePrompts prompts({Q(target), ""}, [&table] { table.AppendRow({"late.pdf", "/docs", "1 KB", "", "1", "", ""}); });
    ExportFoundFiles(table, prompts.prompts);
    QCOMPARE(prompts.messages, QStringList{"Meta Data exported successfully to " + Q(target)});
    QCOMPARE(tree.Read("list.csv"), std::string("File Name\tSize\tModified Date\tPages\r\n"
                                          "\"say \"\"hi\"\".pdf\"\t1 KB\t01/02/2006 10:00 AM\tError\r\n"
                                          "a.pdf\t1,234 KB\t07/26/2005 03:05 PM\t12\r\n"
                                          "\"Übersicht\tline\nbreak.pdf\"\t3 KB\t01/03/2006 11:00 PM\t3\r\n"));

    FakePrompts text({Q(tree.Path("list.txt")), ","});
    ExportFoundFiles(SampleTable(), text.prompts);
    QVERIFY(tree.Read("list.txt").starts_with("File Name,Location,Size,Modified Date,Pages\r\n"
                                                        "a.pdf,/docs,\"1,234 KB\",07/26/2005 03:05 PM,12\r\n"));
  }

  // A target that cannot be written is reported with the reason and leaves no file.
  void AFailedExportSaysWhyAndLeavesNothing() {
    TempTree tree;
    tree.Write("plain", "a file, not a folder");
    tree.MakeFolder("locked");
    std::vector<std::string> targets{tree.Path("missing/list.txt"), tree.Path("plain/list.txt")};
    if (geteuid() != 0) {
      std::filesystem::permissions(tree.Path("locked"), std::filesystem::perms::owner_read |
                                                            std::filesystem::perms::owner_exec);
      targets.push_back(tree.Path("locked/list.txt"));
    }
    const std::vector<std::string> before = FilesIn(tree.Path());
    for (const std::string& target : targets) {
      FakePrompts prompts({Q(target), ","});
      ExportFoundFiles(SampleTable(), prompts.prompts);
      QCOMPARE(prompts.messages.size(), 1);
      const QString prefix = "Unable to export data.\r\n\r\n";
      QVERIFY2(prompts.messages[0].startsWith(prefix) && prompts.messages[0].size() > prefix.size(),
               qPrintable(prompts.messages[0]));
    }
    QCOMPARE(FilesIn(tree.Path()), before);
  }

  // "&Cancel" and the close box both end the export without a file or a message.
  void ACancelledExportTouchesNothing() {
    TempTree tree;
    const std::string kept = tree.Write("list.txt", "keep me");
    for (const QString& fileName : {QString(ExportDialog::kCancelled), QString()}) {
      FakePrompts prompts({fileName, ""});
      ExportFoundFiles(SampleTable(), prompts.prompts);
      QCOMPARE(prompts.openings, 1);
      QCOMPARE(prompts.messages, QStringList());
    }
    QCOMPARE(FilesIn(tree.Path()), std::vector<std::string>{kept});
    QCOMPARE(tree.Read("list.txt"), std::string("keep me"));
  }

  // The real dialog over a window starts in the export location of the settings and
  // hands its choice to the writer.
  void TheWindowsPromptsUseTheExportDialog() {
    TempTree tree;
    AppSettings settings;
    settings.ExportLocation = tree.Path();
    QWidget window;
    ExportPrompts prompts = ExportPrompts::ForWindow(&window, settings);
    QStringList messages;
    prompts.showMessage = [&messages](const QString& message) { messages << message; };
    QTimer::singleShot(0, [] {
      auto* dialog = qobject_cast<ExportDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      dialog->findChild<QLineEdit*>("txtFileName")->setText("chosen");
      dialog->findChild<QLineEdit*>("txtColSaperator")->setText(";");
      dialog->findChild<QPushButton*>("cmdSave")->click();
    });
    ExportFoundFiles(SampleTable(), prompts);
    QCOMPARE(messages, QStringList{"Meta Data exported successfully to " + Q(tree.Path("chosen.txt"))});
    QVERIFY(tree.Read("chosen.txt").starts_with("File Name;Location;Size;Modified Date;Pages\r\n"));
  }

  // The main window's "Export" button and Tools menu item lead here: the button with an
  // empty list says so in the message box, the menu item opens the dialog regardless.
  void TheMainWindowOffersBothCommands() {
    const AppSettings settings;
    MainWindow window(settings);
    auto* button = window.findChild<QPushButton*>("cmdExport");
    auto* menuItem = window.findChild<QAction*>("mnuToolsExport");
    QVERIFY(button->isEnabled() && menuItem->isEnabled());
    QString shown;
    QTimer::singleShot(0, [&shown] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box);
      shown = box->windowTitle() + ": " + box->text();
      box->accept();
    });
    button->click();
    QCOMPARE(shown, QString("Folidex: No files found to export."));

    bool dialogOpened = false;
    QTimer::singleShot(0, [&dialogOpened] {
      auto* dialog = qobject_cast<ExportDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      dialogOpened = true;
      dialog->findChild<QPushButton*>("cmdCancel")->click();
    });
    menuItem->trigger();
    QVERIFY(dialogOpened);
  }

  // A ".csv" and a ".txt" export read back through Python's csv module as the same table.
  void ExportsReadBackAsTheSameTable() {
    const QString python = QStandardPaths::findExecutable("python3");
    QVERIFY2(!python.isEmpty(), "python3 is needed to read the exports back");
    const char* script =
        "import csv, json, sys\n"
        "with open(sys.argv[1], newline='', encoding='utf-8') as f:\n"
        "    print(json.dumps(list(csv.reader(f, delimiter=sys.argv[2]))))\n";
    TempTree tree;
    ResultTable table = SampleTable();
    table.SetColumnHidden(kModifiedDate, true);
    QJsonArray expected;
    for (const std::vector<std::string>& row : TakeExportSnapshot(table)) {
      QJsonArray cells;
      for (const std::string& cell : row) cells.append(Q(cell));
      expected.append(cells);
    }
    for (const auto& [name, given, separator] : {std::tuple{"list.csv", "", "\t"}, std::tuple{"list.txt", ",", ","}}) {
      FakePrompts prompts({Q(tree.Path(name)), given});
      ExportFoundFiles(table, prompts.prompts);
      QProcess reader;
      reader.start(python, {"-c", script, Q(tree.Path(name)), separator});
      QVERIFY(reader.waitForFinished(30000));
      QCOMPARE(reader.exitCode(), 0);
      QCOMPARE(QJsonDocument::fromJson(reader.readAllStandardOutput()).array(), expected);
    }
  }
};

}  // namespace folidex::test

QTEST_MAIN(folidex::test::ExportGridTest)
#include "ExportGridTest.moc"
