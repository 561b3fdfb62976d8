#include "ui/results/GridCellDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QTextDocument>
#include <QToolTip>

#include "core/results/ResultCells.h"

namespace folidex {

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const bool selected = option.state & QStyle::State_Selected;
  if (selected) {
    painter->fillRect(option.rect, appearance_.backSelected);
  } else if (!pictureBehind_) {
    painter->fillRect(option.rect, appearance_.back);
  }
  // The background is painted: the style draws only the icon and the text.
  QStyleOptionViewItem cell(option);
  cell.state &= ~(QStyle::State_Selected | QStyle::State_MouseOver | QStyle::State_HasFocus);
  cell.palette.setColor(QPalette::Text, selected ? appearance_.foreSelected : appearance_.fore);
  QStyledItemDelegate::paint(painter, cell, index);
  DrawCellLines(*painter, option.rect, appearance_.lines, appearance_.line);
}

void GridCellDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
  QStyledItemDelegate::initStyleOption(option, index);
  option->features &= ~QStyleOptionViewItem::WrapText;
  option->textElideMode = index.column() == kLocation ? Qt::ElideMiddle : Qt::ElideRight;
}

bool GridCellDelegate::TextIsCut(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyleOptionViewItem cell(option);
  initStyleOption(&cell, index);
  const QWidget* widget = cell.widget;
  const QStyle* style = widget ? widget->style() : QApplication::style();
  // The style keeps a margin on either side of the text, as it draws it.
  const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
  const QRect room = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, widget);
  return QFontMetricsF(cell.font).horizontalAdvance(cell.text) > room.width() - 2 * margin;
}

bool GridCellDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) {
  if (event->type() != QEvent::ToolTip) return QStyledItemDelegate::helpEvent(event, view, option, index);
  // A cell's own tip, else its whole text when the cell cuts it.
  const QString tip = index.isValid() ? index.data(Qt::ToolTipRole).toString() : QString();
  if (!index.isValid() || (tip.isEmpty() && !TextIsCut(option, index))) {
    QToolTip::hideText();
    return true;
  }
  // Rich text that shows the text exactly as it is, on one line (its spaces do not break):
  // a name is never read as markup.
  const QString text = tip.isEmpty() ? index.data(Qt::DisplayRole).toString() : tip;
  QToolTip::showText(event->globalPos(), Qt::convertFromPlainText(text, Qt::WhiteSpacePre), view->viewport(),
                     option.rect);
  return true;
}

}  // namespace folidex
