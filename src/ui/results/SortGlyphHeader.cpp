#include "ui/results/SortGlyphHeader.h"

#include <QPainter>

#include "ui/results/SortGlyph.h"

namespace folidex {

SortGlyphHeader::SortGlyphHeader(QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent),
      ascendingGlyph_(QPixmap::fromImage(SortGlyph(true))),
      descendingGlyph_(QPixmap::fromImage(SortGlyph(false))) {
  setSectionsClickable(true);
  setSortIndicatorShown(false);
  setHighlightSections(false);
}

void SortGlyphHeader::ShowGlyph(int column, bool ascending) {
  column_ = column;
  ascending_ = ascending;
  viewport()->update();
}

void SortGlyphHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
  // The base class leaves its clip behind; the glyph is drawn without it.
  painter->save();
  QHeaderView::paintSection(painter, rect, logicalIndex);
  painter->restore();
  if (logicalIndex != column_) return;
  const QPixmap& glyph = ascending_ ? ascendingGlyph_ : descendingGlyph_;
  constexpr int kRightGap = 3;
  const QPoint at(rect.right() - kRightGap - glyph.width(), rect.center().y() - glyph.height() / 2);
  painter->drawPixmap(at, glyph);
}

}  // namespace folidex
