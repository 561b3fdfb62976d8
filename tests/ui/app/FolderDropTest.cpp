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

// A file manager's drag over `target`: file URLs, offering to copy or to move them.
struct Drag {
  Drag(QWidget* target, const QList<QUrl>& urls, Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction)
      : target(target), actions(actions) {
    data.setUrls(urls);
  }

  // The action the window takes the drag with; none when it refuses it.
  std::optional<Qt::DropAction> Enter() {
    QDragEnterEvent enter(target->rect().center(), actions, &data, Qt::LeftButton, Qt::NoModifier);
    return Send(enter);
  }
  // Enters and drops; the action the window takes the drop with, none when it refuses it.
  std::optional<Qt::DropAction> Drop() {
    Enter();
    QDropEvent drop(target->rect().center(), actions, &data, Qt::LeftButton, Qt::NoModifier);
    return Send(drop);
  }

  QWidget* target;
  Qt::DropActions actions;
  QMimeData data;

 private:
  // Sends `event` with the move proposed, as a file manager does by default.
  std::optional<Qt::DropAction> Send(QDropEvent& event) const {
    event.setDropAction(Qt::MoveAction);
    QApplication::sendEvent(target, &event);
    if (!event.isAccepted()) return std::nullopt;
    return event.dropAction();
  }
};

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
    AppSettings settings;
    MainWindow window(settings);
    MainWindowProbe probe(window);
    auto* address = probe.Find<QLineEdit>("txtAddress");
    auto* tree = probe.Find<FolderTree>("ftv");

    const auto dropAndWait = [&](QWidget* target, const std::string& item) {
      Drag drag(target, {FileUrl(item)});
      QVERIFY(drag.Enter() == Qt::CopyAction);
      QVERIFY(drag.Drop() == Qt::CopyAction);
      QVERIFY(QTest::qWaitFor([&] { return probe.Searching(); }, 5000));
      QVERIFY(probe.WaitForSearchEnd());
    };
    dropAndWait(probe.grid->viewport(), first.Path());
    QCOMPARE(address->text(), QString::fromStdString(first.Path() + "/"));
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
    AppSettings settings;
    settings.StartupFolder = tree.Path();
    MainWindow window(settings);
    MainWindowProbe probe(window);
    auto* address = probe.Find<QLineEdit>("txtAddress");
    const QString before = address->text();

    const std::vector<std::pair<const char*, QList<QUrl>>> refused = {
        {"a file that is not a PDF", {FileUrl(text)}},
        {"a path that does not exist", {FileUrl(tree.Path("gone"))}},
        {"a web address", {QUrl("https://folidex.example/a.pdf")}},
        {"two folders", {FileUrl(tree.Path()), FileUrl(otherFolder)}},
        {"PDF files of two folders", {FileUrl(tree.Path("a.pdf")), FileUrl(otherPdf)}},
        {"no address at all", {}},
    };
    for (const auto& [what, urls] : refused) {
      Drag drag(probe.grid->viewport(), urls);
      QVERIFY2(!drag.Enter(), what);
      QVERIFY2(!drag.Drop(), what);
    }
    Drag moveOnly(probe.grid->viewport(), {FileUrl(otherFolder)}, Qt::MoveAction);
    QVERIFY(!moveOnly.Drop());
    QTest::qWait(50);
    QCOMPARE(address->text(), before);
    QCOMPARE(probe.Rows(), 0);

    // PDF files that all lie in one folder stand for that folder.
    Drag onePlace(probe.grid->viewport(), {FileUrl(otherPdf), FileUrl(tree.Write("other/c.PDF", MakePdf(1)))});
    QVERIFY(onePlace.Enter() == Qt::CopyAction);
  }

  // A folder dropped while a search runs is searched once that search has stopped.
  void DropDuringASearchSearchesTheDroppedFolderNext() {
    TempTree slow;
    for (int file = 0; file < 5; ++file) slow.Write("s" + std::to_string(file) + ".pdf", MakePdf(1));
    TempTree dropped;
    dropped.Write("d.pdf", MakePdf(1));
    HeldCounter counter;
    AppSettings settings;
    MainWindow window(settings, counter.Settings());
    MainWindowProbe probe(window);
    QVERIFY(probe.StartSearch(slow.Path()));

    QVERIFY(Drag(probe.grid->viewport(), {FileUrl(dropped.Path())}).Drop() == Qt::CopyAction);
    QTest::qWait(50);
    counter.SetOpen(true);
    QVERIFY(QTest::qWaitFor([&] { return probe.Rows() == 1 && probe.Message() == "Done"; }, 30000));
    QCOMPARE(probe.Cell(0, kFileName), QString("d.pdf"));
    QCOMPARE(probe.Find<QLineEdit>("txtAddress")->text(), QString::fromStdString(dropped.Path() + "/"));
  }
};

}  // namespace folidex::test

QTEST_MAIN(folidex::test::FolderDropTest)
#include "FolderDropTest.moc"
