#include <QSignalSpy>
#include <QTest>

#include "support/FoundFiles.h"
#include "ui/results/ResultGrid.h"

namespace folidex::test {
namespace {

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

class ResultGridTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    model_ = std::make_unique<ResultModel>();
    grid_ = std::make_unique<ResultGrid>(*model_);
    grid_->SetupGrid({});
    grid_->resize(700, 300);
    grid_->show();
    QVERIFY(QTest::qWaitForWindowExposed(grid_.get()));
  }

  void cleanup() {
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
    QCOMPARE(grid_->Header().GlyphColumn(), int(kPages));
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

  void RightClickOpensTheMenuOnlyOverDataCells() {
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
  }

  void ApplicationsKeyOpensTheMenuAtTheGridsCorner() {
    Fill({Found("a.pdf")});
    QSignalSpy requests(grid_.get(), &ResultGrid::ContextMenuRequested);
    QTest::keyClick(grid_.get(), Qt::Key_Menu);
    QCOMPARE(requests.count(), 1);
    QCOMPARE(requests[0][0].toPoint(), grid_->mapToGlobal(QPoint(0, 0)));
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
    QVERIFY(!grid_->isColumnHidden(kFileName));
    QVERIFY(grid_->isColumnHidden(kLocation));
    QVERIFY(grid_->isColumnHidden(kModifiedDate));
    QVERIFY(!grid_->isColumnHidden(kPages));
    QVERIFY(model_->Table().ColumnHidden(kModifiedDate));
    model_->SetColumnVisibility({"1 ", "1"}, false);
    QVERIFY(grid_->isColumnHidden(kFileName));
    model_->SetColumnVisibility({"1 ", "1"}, true);
    QVERIFY(!grid_->isColumnHidden(kFileName));
    model_->SetColumnVisibility({}, false);
    QVERIFY(!grid_->isColumnHidden(kFileName));
  }

 private:
  void Fill(const std::vector<FoundFile>& files) { model_->AppendFiles(files, {}); }

  // Whether each row is hidden in the grid, top to bottom.
  std::vector<bool> HiddenRows() const {
    std::vector<bool> hidden;
    for (int row = 0; row < model_->rowCount(); ++row) hidden.push_back(grid_->isRowHidden(row));
    return hidden;
  }

  void ClickHeader(int column) {
    QHeaderView* header = grid_->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
  }

  QPoint CellCenter(int row, int column) const { return grid_->visualRect(model_->index(row, column)).center(); }

  std::unique_ptr<ResultModel> model_;
  std::unique_ptr<ResultGrid> grid_;
};

}  // namespace folidex::test

QTEST_MAIN(folidex::test::ResultGridTest)
#include "ResultGridTest.moc"
