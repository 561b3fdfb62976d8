#pragma once

#include <QStyledItemDelegate>

#include "ui/results/GridAppearance.h"

namespace folidex {

// Draws a cell of the results grid in the grid's own colours: the selected colours on
// selected rows, the plain background only when no background picture shows through,
// and the grid lines of the chosen style.
class GridCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void SetAppearance(const GridAppearance& appearance) { appearance_ = appearance; }
  void SetPictureBehind(bool picture) { pictureBehind_ = picture; }

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  GridAppearance appearance_;
  bool pictureBehind_ = false;
};

}  // namespace folidex
