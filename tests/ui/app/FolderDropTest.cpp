#include <QDropEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <optional>

#include "HeldCounter.h"
#include "MainWindowProbe.h"
#include "support/TempTree.h"
#include "support/TestPdf.h"
#include "ui/app/FolderTree.h"

namespace folidex::test {
namespace {

QUrl FileUrl(const std::string& path) { return QUrl::fromLocalFile(QString::fromStdString(path)); }

// A file manager's drag of `urls` over `target`, offering `actions` and proposing to move, as
// file managers do by default; `drop` drops it after it entered. The action the window
// takes it with; none when it refuses it.
std::optional<Qt::DropAction> Drag(QWidget* target, const QList<QUrl>& urls, bool drop = false,
                                   Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction) {
  QMimeData data;
  data.setUrls(urls);
  const auto send = [target](QDropEvent&& event) -> std::optional<Qt::DropAction> {
    event.setDropAction(Qt::MoveAction);
    QApplication::sendEvent(target, &event);
    if (!event.isAccepted()) return std::nullopt;
    return event.dropAction();
  };
  const auto entered = send(QDragEnterEvent(target->rect().center(), actions, &data, Qt::LeftButton, {}));
  return drop ? send(QDropEvent(target->rect().center(), actions, &data, Qt::LeftButton, {})) : entered;
}

}  // namespace

class FolderDropTest : public QObject {
  Q_OBJECT

 private slots:
  // A folder dropped onto the grid, a PDF file onto the tree, a folder onto the address
  // box: each selects the folder and searches it, and the drop is taken as a copy even
  // when the file manager proposes to move.
  void DroppedFolderIsSelectedAndSearched() {
    TempTree first;
    first.Write("a.pdf", MakePdf(2));
    TempTree second;
    const std::string pdf = second.Write("Scan.PDF", MakePdf(3));
    second.Write("b.pdf", MakePdf(4));
    TestWindow test;
    const MainWindowProbe& probe = test.probe;
    auto* address = probe.Find<QLineEdit>("txtAddress");
    auto* tree = probe.Find<FolderTree>("ftv");
    const auto dropAndWait = [&](QWidget* target, const std::string& item) {
      QVERIFY(Drag(target, {FileUrl(item)}) == Qt::CopyAction);
      QVERIFY(Drag(target, {FileUrl(item)}, true) == Qt::CopyAction);
      QVERIFY(QTest::qWaitFor([&] { return probe.Searching(); }, 5000));
      QVERIFY(probe.WaitForSearchEnd());
    };
    dropAndWait(probe.grid->viewport(), first.Path());
    QCOMPARE(probe.Address(), QString::fromStdString(first.Path() + "/"));
    QCOMPARE(probe.totalLabel->text(), QString("Total Pages : 2"));

    dropAndWait(tree->viewport(), pdf);
    QCOMPARE(tree->SelectedFolder(), QString::fromStdString(second.Path()));
    QCOMPARE(probe.totalLabel->text(), QString("Total Pages : 7"));

    dropAndWait(address, first.Path());
    QCOMPARE(probe.totalLabel->text(), QString("Total Pages : 2"));
  }

  // Anything but a folder or PDF files of one folder is refused, also a drag that offers
  // only to move, and a refused drop changes nothing.
  void OtherDropsAreRefused() {
    TempTree tree;
    tree.Write("a.pdf", MakePdf(1));
    const std::string text = tree.Write("notes.txt", "text");
    const std::string otherFolder = tree.MakeFolder("other");
    const std::string otherPdf = tree.Write("other/b.pdf", MakePdf(1));
    TestWindow test({}, tree.Path());
    const MainWindowProbe& probe = test.probe;
    const QString before = probe.Address();

    const std::vector<std::pair<const char*, QList<QUrl>>> refused = {
        {"a file that is not a PDF", {FileUrl(text)}},
        {"a path that does not exist", {FileUrl(tree.Path("gone"))}},
        {"a web address", {QUrl("https://folidex.example/a.pdf")}},
        {"two folders", {FileUrl(tree.Path()), FileUrl(otherFolder)}},
        {"PDF files of two folders", {FileUrl(tree.Path("a.pdf")), FileUrl(otherPdf)}},
        {"no address at all", {}},
    };
    for (const auto& [what, urls] : refused) {
      QVERIFY2(!Drag(probe.grid->viewport(), urls), what);
      QVERIFY2(!Drag(probe.grid->viewport(), urls, true), what);
    }
    QVERIFY(!Drag(probe.grid->viewport(), {FileUrl(otherFolder)}, true, Qt::MoveAction));
    QTest::qWait(50);
    QCOMPARE(probe.Address(), before);
    QCOMPARE(probe.Rows(), 0);

    // PDF files that all lie in one folder stand for that folder.
    QVERIFY(Drag(probe.grid->viewport(), {FileUrl(otherPdf), FileUrl(tree.Write("other/c.PDF", MakePdf(1)))}) ==
            Qt::CopyAction);
  }

  // A folder dropped while a search runs is searched once that search has stopped.
  void DropDuringASearchSearchesTheDroppedFolderNext() {
    TempTree slow;
    for (int file = 0; file < 5; ++file) slow.Write("s" + std::to_string(file) + ".pdf", MakePdf(1));
    TempTree dropped;
    dropped.Write("d.pdf", MakePdf(1));
    HeldCounter counter;
    TestWindow test(counter.Settings());
    const MainWindowProbe& probe = test.probe;
    QVERIFY(probe.StartSearch(slow.Path()));
    QVERIFY(Drag(probe.grid->viewport(), {FileUrl(dropped.Path())}, true) == Qt::CopyAction);
    QTest::qWait(50);
    counter.SetOpen(true);
    QVERIFY(QTest::qWaitFor([&] { return probe.Rows() == 1 && probe.Message() == "Done"; }, 30000));
    QCOMPARE(probe.Cell(0, kFileName), QString("d.pdf"));
    QCOMPARE(probe.Address(), QString::fromStdString(dropped.Path() + "/"));
  }
};

}  // namespace folidex::test

QTEST_MAIN(folidex::test::FolderDropTest)
#include "FolderDropTest.moc"
