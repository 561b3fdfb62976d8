#include "ui/results/ResultGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/app/Twips.h"

namespace folidex {
namespace {

constexpr int kColumnWidths[] = {1500, 2500, 1000, 2200, 1000};  // twips, columns 0 to 4
constexpr int kMinimumRowHeight = 260;                           // twips

}  // namespace

ResultGrid::ResultGrid(ResultModel& model, QWidget* parent)
    : QTableView(parent), model_(model), header_(new SortGlyphHeader(this)), delegate_(new GridCellDelegate(this)) {
  setObjectName("vsFiles");
  setHorizontalHeader(header_);
  setModel(&model_);
  // The view made a selection of its own; it shows and changes the model's instead.
  QItemSelectionModel* ownSelection = selectionModel();
  setSelectionModel(model_.Selection());
  delete ownSelection;
  setItemDelegate(delegate_);
  setShowGrid(false);
  setContextMenuPolicy(Qt::PreventContextMenu);
  connect(header_, &QHeaderView::sectionClicked, this, &ResultGrid::SortByHeader);
  connect(&model_, &QAbstractItemModel::dataChanged, this, &ResultGrid::ShowHiddenRows);
  connect(&model_, &ResultModel::ColumnVisibilityChanged, this, &ResultGrid::ShowHiddenColumns);
}

void ResultGrid::SetupGrid(const std::vector<std::string>& visibility) {
  setSelectionBehavior(SelectRows);
  setSelectionMode(ExtendedSelection);
  setEditTriggers(NoEditTriggers);
  verticalHeader()->hide();
  verticalHeader()->setMinimumSectionSize(TwipsToPixels(kMinimumRowHeight));
  verticalHeader()->setDefaultSectionSize(std::max(TwipsToPixels(kMinimumRowHeight), fontMetrics().height() + 4));
  for (int column = 0; column < kColumnCount; ++column) setColumnWidth(column, TwipsToPixels(kColumnWidths[column]));
  model_.SetColumnVisibility(visibility, true);
}

void ResultGrid::ShowHiddenColumns() {
  for (int column = 0; column < kColumnCount; ++column)
    setColumnHidden(column, model_.Table().ColumnHidden(static_cast<Column>(column)));
}

void ResultGrid::ShowHiddenRows(const QModelIndex& first, const QModelIndex& last, const QList<int>& roles) {
  if (!roles.contains(ResultModel::kHiddenRole)) return;
  for (int row = first.row(); row <= last.row(); ++row) setRowHidden(row, model_.Table().Row(row).hidden);
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

void ResultGrid::SortByHeader(int column) {
  sortAscending_ = column == sortColumn_ ? !sortAscending_ : true;
  sortColumn_ = column;
  const QModelIndex cursor = currentIndex();
  model_.Sort(static_cast<Column>(column), sortAscending_);
  header_->ShowGlyph(column, sortAscending_);
  // The cursor stays on the same row number; the selection moved with the rows.
  if (cursor.isValid())
    selectionModel()->setCurrentIndex(model_.index(cursor.row(), cursor.column()), QItemSelectionModel::NoUpdate);
  setFocus();
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
