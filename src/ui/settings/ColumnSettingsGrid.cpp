#include "ui/settings/ColumnSettingsGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QProxyStyle>
#include <algorithm>

#include "ui/app/Twips.h"

namespace folidex {
namespace {

constexpr int kColumnWidths[] = {500, 1700, 700};  // twips: "Sr#", "Column Name", "Visible"
constexpr int kDesignWidth = 3255;                 // twips
constexpr int kDesignHeight = 3855;                // twips

QTableWidgetItem* ReadOnlyItem(const QString& text, Qt::Alignment alignment) {
  auto* cell = new QTableWidgetItem(text);
  cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  cell->setTextAlignment(alignment | Qt::AlignVCenter);
  return cell;
}

// Puts the check box of a cell without text in the middle of the cell, where it is drawn
// and where a click hits it.
class CentredCheckStyle : public QProxyStyle {
 public:
  QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const override {
    const QRect rect = QProxyStyle::subElementRect(element, option, widget);
    const auto* cell = qstyleoption_cast<const QStyleOptionViewItem*>(option);
    if (element != SE_ItemViewItemCheckIndicator || !cell || !cell->text.isEmpty()) return rect;
    return alignedRect(cell->direction, Qt::AlignCenter, rect.size(), cell->rect);
  }
};

}  // namespace

ColumnSettingsGrid::ColumnSettingsGrid(QWidget* parent) : QTableWidget(parent) {
  setObjectName("vsColumnSettings");
  auto* centredChecks = new CentredCheckStyle;
  centredChecks->setParent(this);
  setStyle(centredChecks);
  setColumnCount(3);
  setHorizontalHeaderLabels({"Sr#", "Column Name", "Visible"});
  verticalHeader()->hide();
  setSelectionMode(SingleSelection);
  setEditTriggers(NoEditTriggers);
}

void ColumnSettingsGrid::FillColumnSettings(const QStringList& captions, const std::vector<bool>& shown) {
  setRowCount(static_cast<int>(captions.size()));
  for (int row = 0; row < rowCount(); ++row) {
    setItem(row, 0, ReadOnlyItem(QString::number(row + 1), Qt::AlignHCenter));
    setItem(row, 1, ReadOnlyItem(captions[row], Qt::AlignLeft));
    QTableWidgetItem* box = ReadOnlyItem({}, Qt::AlignHCenter);
    box->setFlags(box->flags() | Qt::ItemIsUserCheckable);
    setItem(row, kVisible, box);
    SetVisible(row, static_cast<std::size_t>(row) < shown.size() && shown[row]);
  }
  FitColumns();
}

void ColumnSettingsGrid::FitColumns() {
  // Each column its design width, wider where its caption or cells need it; the grid its
  // design size, larger where its columns and rows need it.
  int width = 2 * frameWidth();
  for (int column = 0; column < columnCount(); ++column) {
    setColumnWidth(column, std::max({TwipsToPixels(kColumnWidths[column]), sizeHintForColumn(column),
                                     horizontalHeader()->sectionSizeHint(column)}));
    width += columnWidth(column);
  }
  const int height = 2 * frameWidth() + horizontalHeader()->sizeHint().height() + verticalHeader()->length();
  setMinimumSize(QSize(width, height).expandedTo({TwipsToPixels(kDesignWidth), TwipsToPixels(kDesignHeight)}));
}

bool ColumnSettingsGrid::Visible(int row) const { return Box(row)->checkState() == Qt::Checked; }

void ColumnSettingsGrid::SetVisible(int row, bool visible) {
  Box(row)->setCheckState(visible ? Qt::Checked : Qt::Unchecked);
}

void ColumnSettingsGrid::SelectAll() {
  for (int row = 0; row < rowCount(); ++row) SetVisible(row, true);
}

void ColumnSettingsGrid::DeselectAll() {
  for (int row = 0; row < rowCount(); ++row) SetVisible(row, false);
}

void ColumnSettingsGrid::InvertSelection() {
  for (int row = 0; row < rowCount(); ++row) SetVisible(row, !Visible(row));
}

std::vector<std::string> ColumnSettingsGrid::VisibilityFlags() const {
  std::vector<std::string> flags;
  for (int row = 0; row < rowCount(); ++row) flags.push_back(Visible(row) ? "1" : "0");
  return flags;
}

void ColumnSettingsGrid::keyPressEvent(QKeyEvent* event) {
  // The space bar toggles the current row's box whichever column the cursor is in.
  if (event->key() == Qt::Key_Space && currentIndex().isValid()) {
    SetVisible(currentIndex().row(), !Visible(currentIndex().row()));
    return;
  }
  QTableWidget::keyPressEvent(event);
}

}  // namespace folidex
