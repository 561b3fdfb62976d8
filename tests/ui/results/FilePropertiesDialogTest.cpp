#include <QLabel>
#include <QTest>

#include "support/TempTree.h"
#include "support/TestPdf.h"
#include "ui/results/FilePropertiesDialog.h"

namespace folidex::test {

// Our own properties window lists the file's pages by paper size.
class FilePropertiesDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void ListsThePagesByPaperSize() {
    TempTree tree;
    const std::string path =
        tree.Write("mixed.pdf", MakePdfWithBoxes({"0 0 595.28 841.89", "0 0 612 792", "0 0 841.89 595.28",
                                                  "0 0 595.28 280.63", "0 0 1190.55 841.89"}));
    QCOMPARE(SizesShown(path), QString("A3: 1\nA4: 2\nLetter: 1\n210\u00D799 mm: 1"));
    QCOMPARE(SizesShown(tree.Write("broken.pdf", "%PDF-1.4\nnothing more\n")), QString("Unknown"));
  }

 private:
  // The text of the row "Paper sizes:".
  static QString SizesShown(const std::string& path) {
    FilePropertiesDialog properties(QString::fromStdString(path), "5");
    const QList<QLabel*> labels = properties.findChildren<QLabel*>();
    for (qsizetype i = 0; i + 1 < labels.size(); ++i) {
      if (labels[i]->text() == "Paper sizes:") return labels[i + 1]->text();
    }
    return "(no row)";
  }
};

}  // namespace folidex::test

QTEST_MAIN(folidex::test::FilePropertiesDialogTest)
#include "FilePropertiesDialogTest.moc"
