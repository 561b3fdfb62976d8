#pragma once

#include <QStyledItemDelegate>

#include "ui/results/GridAppearance.h"

namespace folidex {

// Draws a cell of the results grid in the grid's own colours: the selected colours on
// selected rows, the plain background only when no background picture shows through,
// and the grid lines of the chosen style. A text never wraps: one too wide for its cell
// is cut short with "…", a location in its middle (its end tells folders apart) and any
// other text at its end, and hovering the cell shows the whole text. A cell with a tip of
// its own (why an "Error" cell has no count) shows that tip instead.
class GridCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void SetAppearance(const GridAppearance& appearance) { appearance_ = appearance; }
  void SetPictureBehind(bool picture) { pictureBehind_ = picture; }

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                 const QModelIndex& index) override;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

 private:
  // True when the cell's text is wider than the room the cell gives it.
  bool TextIsCut(const QStyleOptionViewItem& option, const QModelIndex& index) const;

  GridAppearance appearance_;
  bool pictureBehind_ = false;
};

}  // namespace folidex
