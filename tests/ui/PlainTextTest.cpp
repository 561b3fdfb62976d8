#include <QLabel>
#include <QMessageBox>
#include <QTest>

#include "export/WhenModal.h"
#include "support/TempTree.h"
#include "support/TestPdf.h"
#include "ui/app/MessageBoxes.h"
#include "ui/results/DeletePrompts.h"
#include "ui/results/FilePropertiesDialog.h"

namespace folidex::test {
namespace {

// A label shows its text as it is unless it reads it as markup.
bool ShownAsItIs(const QLabel& label) {
  return label.textFormat() == Qt::PlainText ||
         (label.textFormat() == Qt::AutoText && !Qt::mightBeRichText(label.text()));
}

// The format and text of the message box that `show` opens.
QString MessageShownBy(const std::function<void()>& show) {
  QString shown;
  WhenModal<QMessageBox>([&shown](QMessageBox* box) {
    shown = (box->textFormat() == Qt::PlainText ? "plain: " : "markup: ") + box->text();
    box->accept();
  });
  show();
  return shown;
}

}  // namespace

// Names and paths from the file system may hold anything, markup too: every window shows
// them as they are, never read as markup.
class PlainTextTest : public QObject {
  Q_OBJECT

 private slots:
  void PropertiesShowNameAndFolderAsTheyAre() {
    TempTree tree;
    const std::string path = tree.Write("<i>folder/<u>x.pdf", MakePdf(1));
    FilePropertiesDialog properties(QString::fromStdString(path), PageCount(1));
    QStringList shown;
    for (const QLabel* label : properties.findChildren<QLabel*>())
      if (label->text().contains('<')) shown << label->text() + (ShownAsItIs(*label) ? "" : " as markup");
    QCOMPARE(shown, QStringList({"<u>x.pdf", QString::fromStdString(tree.Path("<i>folder"))}));
  }

  void MessagesShowPathsAsTheyAre() {
    QCOMPARE(MessageShownBy([] { StandardDeletePrompts().ShowDeleteFailure(nullptr, "/data/<u>x.pdf"); }),
             QString("plain: Unable to delete file /data/<u>x.pdf"));
    QCOMPARE(MessageShownBy([] { ShowInformation(nullptr, "Unable to export data.\r\n\r\n/data/<b>out.txt"); }),
             QString("plain: Unable to export data.\r\n\r\n/data/<b>out.txt"));
  }
};

}  // namespace folidex::test

QTEST_MAIN(folidex::test::PlainTextTest)
#include "PlainTextTest.moc"
