#pragma once

#include <QHeaderView>
#include <QPixmap>

namespace folidex {

// The results grid's header: draws the sort glyph at the right edge of the sorted
// column's header, centred vertically, and on no other header.
class SortGlyphHeader : public QHeaderView {
  Q_OBJECT

 public:
  explicit SortGlyphHeader(QWidget* parent = nullptr);

  void ShowGlyph(int column, bool ascending);
  bool GlyphAscending() const { return ascending_; }

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

 private:
  int column_ = -1;
  bool ascending_ = true;
  QPixmap ascendingGlyph_;
  QPixmap descendingGlyph_;
};

}  // namespace folidex
