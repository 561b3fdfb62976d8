#include "ui/results/ResultGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/app/Twips.h"
#include "ui/results/RowOrder.h"

namespace folidex {
namespace {

constexpr int kColumnWidths[] = {1500, 2500, 1000, 2200, 1000};  // twips, columns 0 to 4
constexpr int kMinimumRowHeight = 260;                           // twips

std::string_view WithoutTrailingBlanks(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

}  // namespace

ResultGrid::ResultGrid(ResultModel& model, QWidget* parent)
    : QTableView(parent), model_(model), header_(new SortGlyphHeader(this)), delegate_(new GridCellDelegate(this)) {
  setObjectName("vsFiles");
  setHorizontalHeader(header_);
  setModel(&model_);
  setItemDelegate(delegate_);
  setShowGrid(false);
  setContextMenuPolicy(Qt::PreventContextMenu);
  connect(header_, &QHeaderView::sectionClicked, this, &ResultGrid::SortByHeader);
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &ResultGrid::CopySelectionToTable);
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
    if (current.isValid()) model_.Table().SetCursor(ResultModel::TableRow(current), current.column());
  });
  connect(&model_, &QAbstractItemModel::modelReset, this, &ResultGrid::ShowRowFlags);
}

void ResultGrid::SetupGrid(const std::vector<std::string>& visibility) {
  setSelectionBehavior(SelectRows);
  setSelectionMode(ExtendedSelection);
  setEditTriggers(NoEditTriggers);
  verticalHeader()->hide();
  verticalHeader()->setMinimumSectionSize(TwipsToPixels(kMinimumRowHeight));
  verticalHeader()->setDefaultSectionSize(std::max(TwipsToPixels(kMinimumRowHeight), fontMetrics().height() + 4));
  for (int column = 0; column < 5; ++column) setColumnWidth(column, TwipsToPixels(kColumnWidths[column]));
  setColumnHidden(kSizeKey, true);
  setColumnHidden(kFullPath, true);
  ApplyColumnVisibility(visibility, true);
}

void ResultGrid::ApplyColumnVisibility(const std::vector<std::string>& visibility, bool trimTrailingBlanks) {
  ResultTable& table = model_.Table();
  for (std::size_t i = 0; i < visibility.size() && i < kColumnCount; ++i) {
    const std::string_view entry = trimTrailingBlanks ? WithoutTrailingBlanks(visibility[i]) : visibility[i];
    table.SetColumnHidden(static_cast<int>(i), entry != "1");
  }
  for (int column = 0; column < kColumnCount; ++column) setColumnHidden(column, table.ColumnHidden(column));
}

void ResultGrid::SetAppearance(const GridAppearance& appearance) {
  delegate_->SetAppearance(appearance);
  QPalette colors = palette();
  colors.setColor(QPalette::Base, appearance.back);
  setPalette(colors);
  viewport()->update();
}

void ResultGrid::SetBackgroundPicture(const QPixmap& picture) {
  picture_ = picture;
  delegate_->SetPictureBehind(!picture_.isNull());
  viewport()->update();
}

void ResultGrid::SelectAll() {
  model_.Table().SelectAll();
  ShowSelectionFromTable();
}

void ResultGrid::InvertSelection() {
  model_.Table().InvertSelection();
  ShowSelectionFromTable();
}

void ResultGrid::SortByHeader(int column) {
  sortAscending_ = column == sortColumn_ ? !sortAscending_ : true;
  sortColumn_ = column;
  const QModelIndex cursor = currentIndex();
  model_.ReorderRows(SortedRowOrder(model_.Table(), column, sortAscending_));
  header_->ShowGlyph(column, sortAscending_);
  // The cursor stays on the same row number; the selection moved with the rows.
  if (cursor.isValid())
    selectionModel()->setCurrentIndex(model_.index(cursor.row(), cursor.column()), QItemSelectionModel::NoUpdate);
  setFocus();
}

void ResultGrid::ShowRowFlags() {
  const ResultTable& table = model_.Table();
  for (int row = 1; row < table.RowCount(); ++row) setRowHidden(row - 1, table.RowHidden(row));
  ShowSelectionFromTable();
}

void ResultGrid::CopySelectionToTable(const QItemSelection& selected, const QItemSelection& deselected) {
  if (showingTableSelection_) return;
  ResultTable& table = model_.Table();
  for (const QItemSelectionRange& range : deselected)
    for (int row = range.top(); row <= range.bottom(); ++row) table.SetRowSelected(row + 1, false);
  for (const QItemSelectionRange& range : selected)
    for (int row = range.top(); row <= range.bottom(); ++row) table.SetRowSelected(row + 1, true);
}

void ResultGrid::ShowSelectionFromTable() {
  const ResultTable& table = model_.Table();
  const int lastColumn = model_.columnCount() - 1;
  QItemSelection selection;
  for (int row = 1; row < table.RowCount();) {
    if (!table.RowSelected(row)) {
      ++row;
      continue;
    }
    const int first = row;
    while (row < table.RowCount() && table.RowSelected(row)) ++row;
    selection.select(model_.index(first - 1, 0), model_.index(row - 2, lastColumn));
  }
  showingTableSelection_ = true;
  selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  showingTableSelection_ = false;
  viewport()->update();
}

void ResultGrid::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::RightButton) {
    QTableView::mousePressEvent(event);
    return;
  }
  // A right-click over a data cell opens the context menu; it moves neither the cursor
  // nor the selection. Over empty space nothing happens.
  if (indexAt(event->position().toPoint()).isValid()) emit ContextMenuRequested(event->globalPosition().toPoint());
}

void ResultGrid::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Menu) {
    emit ContextMenuRequested(mapToGlobal(QPoint(0, 0)));
    return;
  }
  QTableView::keyPressEvent(event);
}

void ResultGrid::paintEvent(QPaintEvent* event) {
  if (!picture_.isNull()) {
    QPainter painter(viewport());
    painter.drawTiledPixmap(viewport()->rect(), picture_);
  }
  QTableView::paintEvent(event);
}

}  // namespace folidex
