#include <QSignalSpy>
#include <QTest>

#include "support/FoundFiles.h"
#include "ui/results/ResultGrid.h"

namespace folidex::test {
namespace {

FoundFile File(const std::string& name, std::uint64_t bytes, int pages, LocalTime modified = {}) {
  return Found(name, bytes, pages, modified);
}

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

  // Every cell as the grid shows it.
  void CellsShowTheTextsOfTheirFile() {
    using namespace std::chrono;
    const local_days day{year{2005} / 7 / 26};
    Fill({File("report.final.PDF", 1500000, 128, day + hours{15} + minutes{5} + seconds{59}),
          File("empty.pdf", 0, -1, day + minutes{7}), File("blank.pdf", 1025, 0, day + hours{12})});
    QCOMPARE(Column(*model_, kFileName), (QStringList{"report.final.PDF", "empty.pdf", "blank.pdf"}));
    QCOMPARE(Column(*model_, kLocation), (QStringList{"/docs", "/docs", "/docs"}));
    QCOMPARE(Column(*model_, kSize), (QStringList{"1,465 KB", "0 KB", "2 KB"}));
    QCOMPARE(Column(*model_, kModifiedDate),
             (QStringList{"07/26/2005 03:05 PM", "07/26/2005 12:07 AM", "07/26/2005 12:00 PM"}));
    QCOMPARE(Column(*model_, kPages), (QStringList{"128", "Error", "0"}));
    QCOMPARE(model_->headerData(kModifiedDate, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Modified Date"));
    const auto alignment = [this](int column) {
      return model_->index(0, column).data(Qt::TextAlignmentRole).value<Qt::Alignment>();
    };
    QCOMPARE(alignment(kSize), Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(alignment(kPages), Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(alignment(kModifiedDate), Qt::AlignLeft | Qt::AlignVCenter);
  }

  // By the kilobytes shown, as numbers: "10,000 KB" after "9,000 KB"; files of the same
  // kilobytes keep their order whatever their bytes.
  void SizeSortsByKilobytesAsNumbers() {
    Fill({File("ten-thousand.pdf", 10000 * 1024, 1), File("nine-full.pdf", 9 * 1024, 1),
          File("nine-thousand.pdf", 9000 * 1024, 1), File("mega.pdf", 1024 * 1024, 1), File("nine-short.pdf", 8193, 1),
          File("ten.pdf", 10 * 1024, 1)});
    ClickHeader(kSize);
    QCOMPARE(Column(*model_, kFileName), (QStringList{"nine-full.pdf", "nine-short.pdf", "ten.pdf", "mega.pdf",
                                                      "nine-thousand.pdf", "ten-thousand.pdf"}));
    ClickHeader(kSize);
    QCOMPARE(Column(*model_, kFileName), (QStringList{"ten-thousand.pdf", "nine-thousand.pdf", "mega.pdf", "ten.pdf",
                                                      "nine-full.pdf", "nine-short.pdf"}));
  }

  // "File Name" and "Location" compare without regard to case; equal names keep their order.
  void NamesSortWithoutRegardToCase() {
    Fill({File("b.pdf", 1, 1), File("A.pdf", 1, 1), File("a.pdf", 1, 1), File("C.pdf", 1, 1)});
    ClickHeader(kFileName);
    QCOMPARE(Column(*model_, kFileName), (QStringList{"A.pdf", "a.pdf", "b.pdf", "C.pdf"}));
    ClickHeader(kFileName);
    QCOMPARE(Column(*model_, kFileName), (QStringList{"C.pdf", "b.pdf", "A.pdf", "a.pdf"}));
  }

  void TwoClicksOnPagesFlipTheOrderAndTheGlyph() {
    Fill({File("a.pdf", 1, 12), File("b.pdf", 1, -1), File("c.pdf", 1, 3), File("d.pdf", 1, 100), File("e.pdf", 1, 0)});
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

  // As date and time to the minute: 12 o'clock comes before 1 in the morning and after
  // 11:59 before noon; times within one minute keep their order.
  void ModifiedDateSortsAsDateAndTime() {
    using namespace std::chrono;
    const local_days day{year{2005} / 7 / 26};
    Fill({File("pm-12-30-late.pdf", 1, 1, day + hours{12} + minutes{30} + seconds{59}),
          File("next-year.pdf", 1, 1, day + days{200}), File("am-1.pdf", 1, 1, day + hours{1}),
          File("pm-1.pdf", 1, 1, day + hours{13}), File("am-12-05.pdf", 1, 1, day + minutes{5}),
          File("pm-12-30-early.pdf", 1, 1, day + hours{12} + minutes{30} + seconds{1}),
          File("am-11-59.pdf", 1, 1, day + hours{11} + minutes{59})});
    ClickHeader(kModifiedDate);
    QCOMPARE(Column(*model_, kFileName), (QStringList{"am-12-05.pdf", "am-1.pdf", "am-11-59.pdf", "pm-12-30-late.pdf",
                                                      "pm-12-30-early.pdf", "pm-1.pdf", "next-year.pdf"}));
    ClickHeader(kModifiedDate);
    QCOMPARE(Column(*model_, kFileName),
             (QStringList{"next-year.pdf", "pm-1.pdf", "pm-12-30-late.pdf", "pm-12-30-early.pdf", "am-11-59.pdf",
                          "am-1.pdf", "am-12-05.pdf"}));
  }

  // The selection and the hidden rows move with their rows; the cursor keeps its row number.
  void SortKeepsTheSelectionAndHiddenRowsWithTheirRows() {
    Fill({File("b.pdf", 1, 1), File("a.pdf", 1, 1), File("d.pdf", 1, 1), File("c.pdf", 1, 1)});
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
    Fill({File("a.pdf", 1, 1), File("b.pdf", 1, 1), File("c.pdf", 1, 1)});
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
    Fill({File("a.pdf", 1, 1)});
    QSignalSpy requests(grid_.get(), &ResultGrid::ContextMenuRequested);
    QTest::keyClick(grid_.get(), Qt::Key_Menu);
    QCOMPARE(requests.count(), 1);
    QCOMPARE(requests[0][0].toPoint(), grid_->mapToGlobal(QPoint(0, 0)));
  }

  // Until a row is clicked the cursor stands on the first one.
  void ClicksWithCtrlAndShiftSelectRowsInTheModel() {
    Fill({File("a.pdf", 1, 1), File("b.pdf", 1, 1), File("c.pdf", 1, 1), File("d.pdf", 1, 1)});
    QCOMPARE(model_->CursorRow(), std::optional<std::size_t>(0));
    QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {}, CellCenter(0, kFileName));
    QTest::mouseClick(grid_->viewport(), Qt::LeftButton, Qt::ShiftModifier, CellCenter(2, kSize));
    QCOMPARE(model_->SelectedRows(), (std::vector<std::size_t>{0, 1, 2}));
    QTest::mouseClick(grid_->viewport(), Qt::LeftButton, Qt::ControlModifier, CellCenter(1, kPages));
    QCOMPARE(model_->SelectedRows(), (std::vector<std::size_t>{0, 2}));
    QCOMPARE(model_->CursorRow(), std::optional<std::size_t>(1));
  }

  void SelectAllAndInvertIncludeHiddenRows() {
    Fill({File("a.pdf", 1, 1), File("b.pdf", 1, 1), File("c.pdf", 1, 1)});
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
