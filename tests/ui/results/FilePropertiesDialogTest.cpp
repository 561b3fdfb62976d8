#include <QLabel>
#include <QTest>

#include "support/TempTree.h"
#include "support/TestPdf.h"
#include "ui/results/FilePropertiesDialog.h"

namespace folidex::test {
namespace {

// The texts of the window's labels, each marked when the label reads it as markup.
QStringList Shown(const std::string& path, const PageCount& pages) {
  FilePropertiesDialog properties(QString::fromStdString(path), pages);
  QStringList shown;
  for (const QLabel* label : properties.findChildren<QLabel*>()) {
    const bool markup = label->textFormat() == Qt::RichText ||
                        (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    shown << label->text() + (markup ? " as markup" : "");
  }
  return shown;
}

}  // namespace

// Our own properties window lists the file's pages by paper size, and for a file without a
// count, why. Names from the file system are shown as they are, never read as markup.
class FilePropertiesDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void ShowsTheFileItsPaperSizesAndWhyItHasNoCount() {
    TempTree tree;
    const QStringList mixed = Shown(
        tree.Write("<i>folder/<u>x.pdf", MakePdfWithBoxes({"0 0 595.28 841.89", "0 0 612 792", "0 0 841.89 595.28",
                                                           "0 0 595.28 280.63", "0 0 1190.55 841.89"})),
        PageCount(5));
    QVERIFY(mixed.contains("<u>x.pdf") && mixed.contains(QString::fromStdString(tree.Path("<i>folder"))));
    QCOMPARE(mixed.indexOf("A3: 1\nA4: 2\nLetter: 1\n210\u00D799 mm: 1"), mixed.indexOf("Paper sizes:") + 1);
    QVERIFY(mixed.contains("5") && !mixed.contains("Reason:"));

    const QStringList failed = Shown(tree.Write("broken.pdf", "%PDF-1.4\nnothing more\n"),
                                     CountFailure{CountFailure::Kind::Damaged, "no catalog"});
    QCOMPARE(failed.indexOf("Unknown"), failed.indexOf("Paper sizes:") + 1);
    QVERIFY(failed.contains("Error"));
    QCOMPARE(failed.indexOf("Damaged: no catalog"), failed.indexOf("Reason:") + 1);
  }
};

}  // namespace folidex::test

QTEST_MAIN(folidex::test::FilePropertiesDialogTest)
#include "FilePropertiesDialogTest.moc"
