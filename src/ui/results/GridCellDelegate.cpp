#include "ui/results/GridCellDelegate.h"

#include <QPainter>

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

}  // namespace folidex
