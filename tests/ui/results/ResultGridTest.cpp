#include <sys/stat.h>

#include <QMessageBox>
#include <QSignalSpy>
#include <filesystem>

#include "MainWindowProbe.h"
#include "WhenModal.h"
#include "support/FoundFiles.h"
#include "support/TempTree.h"
#include "support/TrashContents.h"
#include "ui/results/FileActions.h"

namespace folidex::test {
namespace {

struct RecordingDesktop : Desktop {
  void OpenFile(const QString& path) override { calls << "open " + path; }
  void ShowContainingFolder(const QString& path) override { calls << "folder " + path; }
  void ShowFileProperties(const QString& path, const PageCount& pages, QWidget*) override {
    calls << "properties " + path + " " + QString::fromStdString(FormatPages(pages));
  }
  QStringList calls;
};

struct ScriptedPrompts : DeletePrompts {
  bool ConfirmDelete(QWidget*) override {
    ++confirmations;
    return answerYes;
  }
  void ShowDeleteFailure(QWidget*, const QString& path) override { failures << path; }
  bool answerYes = true;
  int confirmations = 0;
  QStringList failures;
};

bool Exists(const std::string& path) { return std::filesystem::exists(path); }

// Stands in for removing files from the disk.
bool Removed(const std::string&) { return true; }

// The texts of one grid column, top to bottom.
QStringList Column(const QAbstractItemModel& model, int column) {
  QStringList cells;
  for (int row = 0; row < model.rowCount(); ++row) cells << model.index(row, column).data().toString();
  return cells;
}

// Which columns of a rendered header show a pure blue glyph pixel.
std::vector<int> ColumnsWithGlyph(QHeaderView& header) {
  const QImage image = header.grab().toImage();
  std::vector<int> columns;
  for (int column = 0; column < header.count(); ++column) {
    if (header.isSectionHidden(column)) continue;
    const int left = header.sectionViewportPosition(column);
    bool blue = false;
    for (int x = left; x < left + header.sectionSize(column) && !blue; ++x)
      for (int y = 0; y < image.height() && !blue; ++y) blue = image.pixelColor(x, y) == QColor(0, 0, 255);
    if (blue) columns.push_back(column);
  }
  return columns;
}

}  // namespace

// The results grid, its rows and the file actions on them.
class ResultGridTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    // Deleted files go to a Trash of the test's own, never to the user's.
    qputenv("HOME", home_.Path().c_str());
    qputenv("XDG_DATA_HOME", home_.Path("data").c_str());
    model_ = std::make_unique<ResultModel>();
    grid_ = std::make_unique<ResultGrid>(*model_);
    grid_->SetupGrid({});
    grid_->resize(700, 300);
    grid_->show();
    QVERIFY(QTest::qWaitForWindowExposed(grid_.get()));
    auto desktop = std::make_unique<RecordingDesktop>();
    auto prompts = std::make_unique<ScriptedPrompts>();
    desktop_ = desktop.get();
    prompts_ = prompts.get();
    actions_ = std::make_unique<FileActions>(*grid_, std::move(desktop), std::move(prompts));
  }

  void cleanup() {
    std::filesystem::remove_all(home_.Path("data"));
    actions_.reset();
    grid_.reset();
    model_.reset();
  }

  // Two clicks on a header flip the order, and its glyph shows which column sorts which way.
  void ClicksOnAHeaderSortAndFlipTheOrderAndTheGlyph() {
    Fill({Found("a.pdf", 1, 12), Found("b.pdf", 1, -1), Found("c.pdf", 1, 3), Found("d.pdf", 1, 100),
          Found("e.pdf", 1, 0)});
    ClickHeader(kFileName);
    QCOMPARE(ColumnsWithGlyph(grid_->Header()), std::vector<int>{kFileName});

    ClickHeader(kPages);
    QCOMPARE(Column(*model_, kPages), (QStringList{"0", "3", "12", "100", "Error"}));
    QVERIFY(grid_->Header().GlyphAscending());
    QCOMPARE(ColumnsWithGlyph(grid_->Header()), std::vector<int>{kPages});

    ClickHeader(kPages);
    QCOMPARE(Column(*model_, kPages), (QStringList{"Error", "100", "12", "3", "0"}));
    QVERIFY(!grid_->Header().GlyphAscending());
    QCOMPARE(ColumnsWithGlyph(grid_->Header()), std::vector<int>{kPages});
  }

  // The selection and the hidden rows move with their rows; the cursor keeps its row number.
  void SortKeepsTheSelectionAndHiddenRowsWithTheirRows() {
    Fill({Found("b.pdf"), Found("a.pdf"), Found("d.pdf"), Found("c.pdf")});
    QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {}, CellCenter(2, kFileName));
    QVERIFY(!model_->DeleteSelectedFiles(Removed));
    QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {}, CellCenter(0, kFileName));
    ClickHeader(kFileName);
    QCOMPARE(model_->SelectedRows(), std::vector<std::size_t>{1});
    QCOMPARE(model_->Table().Row(1).file.facts.name, std::string("b.pdf"));
    QVERIFY(grid_->selectionModel()->isRowSelected(1, {}));
    QCOMPARE(HiddenRows(), (std::vector<bool>{false, false, false, true}));
    QCOMPARE(model_->CursorRow(), std::optional<std::size_t>(0));
  }

  // A right click opens the menu over data cells only, without moving the cursor or the
  // selection; the Applications key opens it at the grid's corner.
  void TheMenuOpensOverDataCellsOrAtTheCorner() {
    Fill({Found("a.pdf"), Found("b.pdf"), Found("c.pdf")});
    QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {}, CellCenter(0, kFileName));
    QSignalSpy requests(grid_.get(), &ResultGrid::ContextMenuRequested);

    QTest::mouseClick(grid_->horizontalHeader()->viewport(), Qt::RightButton, {},
                      QPoint(grid_->horizontalHeader()->sectionViewportPosition(kLocation) + 5, 5));
    QCOMPARE(requests.count(), 0);

    QTest::mouseClick(grid_->viewport(), Qt::RightButton, {}, CellCenter(2, kLocation));
    QCOMPARE(requests.count(), 1);
    QCOMPARE(grid_->currentIndex().row(), 0);
    QCOMPARE(model_->SelectedRows(), std::vector<std::size_t>{0});

    QTest::keyClick(grid_.get(), Qt::Key_Menu);
    QCOMPARE(requests.count(), 2);
    QCOMPARE(requests[1][0].toPoint(), grid_->mapToGlobal(QPoint(0, 0)));
  }

  void SelectAllAndInvertIncludeHiddenRows() {
    Fill({Found("a.pdf"), Found("b.pdf"), Found("c.pdf")});
    model_->SelectAll();
    model_->InvertSelection();
    QCOMPARE(model_->SelectedRows(), std::vector<std::size_t>{});
    grid_->selectRow(1);
    QVERIFY(!model_->DeleteSelectedFiles(Removed));
    QCOMPARE(HiddenRows(), (std::vector<bool>{false, true, false}));

    model_->SelectAll();
    QCOMPARE(model_->SelectedRows(), (std::vector<std::size_t>{0, 1, 2}));
    QVERIFY(grid_->selectionModel()->isRowSelected(1, {}));

    QTest::mouseClick(grid_->viewport(), Qt::LeftButton, Qt::ControlModifier, CellCenter(0, kFileName));
    model_->InvertSelection();
    QCOMPARE(model_->SelectedRows(), std::vector<std::size_t>{0});
    QVERIFY(grid_->selectionModel()->isRowSelected(0, {}));
    QVERIFY(!grid_->selectionModel()->isRowSelected(1, {}));
  }

  void ColumnVisibilityHidesColumnsButNeverShowsTheHiddenOnes() {
    model_->SetColumnVisibility({"1", "0", "1", "0 ", "1", "0", "0"}, false);
    QCOMPARE(model_->columnCount(), 5);
    QCOMPARE(HiddenColumns(), (std::vector<bool>{false, true, false, true, false}));
    QVERIFY(model_->Table().ColumnHidden(kModifiedDate));
    model_->SetColumnVisibility({"1 ", "1"}, false);
    QVERIFY(grid_->isColumnHidden(kFileName));
    model_->SetColumnVisibility({"1 ", "1"}, true);
    QVERIFY(!grid_->isColumnHidden(kFileName));
    model_->SetColumnVisibility({}, false);
    QVERIFY(!grid_->isColumnHidden(kFileName));
  }

  // Four selected rows, the third file read-only: the first two go to the Trash with where
  // they came from (two files of one name both keep their bytes there), the message names
  // the third, and the fourth stays. No at the question changes nothing at all.
  void DeleteTrashesTheFilesUpToTheOneThatCannotGo() {
    TempTree tree;
    const std::vector<std::string> paths = {tree.Write("x/same.pdf", "first"), tree.Write("y/same.pdf", "second"),
                                            tree.Write("x/read-only.pdf", "x"), tree.Write("x/c.pdf", "x"),
                                            tree.Write("x/keep.pdf", "x")};
    const std::string unlisted = tree.Write("x/keep.txt", "x");
    chmod(paths[2].c_str(), 0444);
    FillWith(paths);
    SelectRows({0, 1, 2, 3});
    prompts_->answerYes = false;
    actions_->mnuFileDelete_Click();
    QCOMPARE(prompts_->confirmations, 1);
    QCOMPARE(HiddenRows(), (std::vector<bool>{false, false, false, false, false}));

    prompts_->answerYes = true;
    actions_->mnuFileDelete_Click();
    QCOMPARE(prompts_->failures, QStringList{QString::fromStdString(paths[2])});
    QVERIFY(!Exists(paths[0]) && !Exists(paths[1]));
    for (const std::string& kept : {paths[2], paths[3], paths[4], unlisted}) QVERIFY(Exists(kept));
    QCOMPARE(HiddenRows(), (std::vector<bool>{true, true, false, false, false}));
    QCOMPARE(ContentsOfTrash(home_.Path("data/Trash")),
             (TrashContents{{"same.pdf", {paths[0], "first"}}, {"same.2.pdf", {paths[1], "second"}}}));
  }

  // The cursor row's file goes to the desktop; with no data row nothing happens at all.
  void CursorActionsUseTheCursorRowOnly() {
    actions_->mnuFileOpen_Click();
    actions_->mnuFileProperties_Click();
    actions_->mnuFileShowContainingFolder_Click();
    actions_->mnuFileDelete_Click();
    QCOMPARE(desktop_->calls, QStringList{});
    QCOMPARE(prompts_->confirmations, 0);

    FillWith({"/data/a.pdf", "/data/b.pdf"}, 7);
    actions_->mnuFileOpen_Click();  // the cursor stands on the first row until one is clicked
    grid_->setCurrentIndex(model_->index(1, 0));
    actions_->mnuFileOpen_Click();
    actions_->mnuFileProperties_Click();
    actions_->mnuFileShowContainingFolder_Click();
    QCOMPARE(desktop_->calls,
             (QStringList{"open /data/a.pdf", "open /data/b.pdf", "properties /data/b.pdf 7", "folder /data/b.pdf"}));
  }

  // In the main window the Delete key asks with the program's own question box; No is its
  // default, so Enter leaves the files.
  void DeleteKeyAsksInTheMainWindow() {
    TempTree tree;
    const std::string file = tree.Write("a.pdf", "x");
    ShownMainWindow shown(tree.MakeFolder("empty"));
    const MainWindowProbe& probe = shown.probe;
    probe.Model().AppendFiles({Found("a.pdf", 1, 1, {}, tree.Path())}, {});
    probe.grid->selectRow(0);
    probe.grid->setFocus();
    bool asked = false;
    WhenModal<QMessageBox>([&](QMessageBox* box) {
      asked = box->defaultButton() == box->button(QMessageBox::No);
      QTest::keyClick(box, Qt::Key_Return);
    });
    QTest::keyClick(probe.grid, Qt::Key_Delete);
    QVERIFY(asked);
    QVERIFY(Exists(file));
  }

 private:
  void Fill(const std::vector<FoundFile>& files) { model_->AppendFiles(files, {}); }

  // One row per file, with `pages` pages.
  void FillWith(const std::vector<std::string>& paths, int pages = 1) {
    std::vector<FoundFile> files;
    for (const std::filesystem::path path : paths)
      files.push_back(Found(path.filename(), 1, pages, {}, path.parent_path()));
    Fill(files);
  }

  void SelectRows(const std::vector<int>& rows) {
    for (const int row : rows)
      model_->Selection()->select(model_->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
  }

  // Whether each row, or each column, is hidden in the grid.
  std::vector<bool> HiddenRows() const {
    std::vector<bool> hidden;
    for (int row = 0; row < model_->rowCount(); ++row) hidden.push_back(grid_->isRowHidden(row));
    return hidden;
  }
  std::vector<bool> HiddenColumns() const {
    std::vector<bool> hidden;
    for (int column = 0; column < model_->columnCount(); ++column) hidden.push_back(grid_->isColumnHidden(column));
    return hidden;
  }

  void ClickHeader(int column) {
    QHeaderView* header = grid_->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
  }

  QPoint CellCenter(int row, int column) const { return grid_->visualRect(model_->index(row, column)).center(); }

  TempTree home_;
  std::unique_ptr<ResultModel> model_;
  std::unique_ptr<ResultGrid> grid_;
  RecordingDesktop* desktop_ = nullptr;
  ScriptedPrompts* prompts_ = nullptr;
  std::unique_ptr<FileActions> actions_;
};

}  // namespace folidex::test

QTEST_MAIN(folidex::test::ResultGridTest)
#include "ResultGridTest.moc"
