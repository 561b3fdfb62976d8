#include "ui/results/GridLines.h"

namespace folidex {

GridLines GridLinesForCode(int code) {
  using Edges = GridLines::Edges;
  using Look = GridLines::Look;
  switch (code) {
    case 1:
      return {Edges::All, Look::Flat};
    case 2:
      return {Edges::All, Look::Inset};
    case 3:
      return {Edges::All, Look::Raised};
    case 4:
      return {Edges::BetweenRows, Look::Flat};
    case 5:
      return {Edges::BetweenRows, Look::Inset};
    case 6:
      return {Edges::BetweenRows, Look::Raised};
    case 8:
      return {Edges::BetweenColumns, Look::Flat};
    case 9:
      return {Edges::BetweenColumns, Look::Inset};
    case 10:
      return {Edges::BetweenColumns, Look::Raised};
    case 12:
      return {Edges::All, Look::Dotted};
    case 13:
      return {Edges::All, Look::Spreadsheet};
    default:
      return {};
  }
}

void DrawCellLines(QPainter& painter, const QRect& cell, const GridLines& lines, const QColor& color) {
  if (lines.edges == GridLines::Edges::None) return;
  const bool rows = lines.edges != GridLines::Edges::BetweenColumns;
  const bool columns = lines.edges != GridLines::Edges::BetweenRows;
  // Flat and dotted lines run along the bottom and right edges; the 3D looks shade the
  // top and left edges one way and the bottom and right edges the other way.
  QColor topLeft = color;
  QColor bottomRight = color;
  Qt::PenStyle style = Qt::SolidLine;
  switch (lines.look) {
    case GridLines::Look::Flat:
      break;
    case GridLines::Look::Inset:
      topLeft = color.darker(160);
      bottomRight = color.lighter(160);
      break;
    case GridLines::Look::Raised:
      topLeft = color.lighter(160);
      bottomRight = color.darker(160);
      break;
    case GridLines::Look::Dotted:
      style = Qt::DotLine;
      break;
    case GridLines::Look::Spreadsheet:
      bottomRight = color.darker(125);
      break;
  }
  const bool shaded = lines.look == GridLines::Look::Inset || lines.look == GridLines::Look::Raised;
  painter.save();
  if (shaded) {
    painter.setPen(topLeft);
    if (rows) painter.drawLine(cell.topLeft(), cell.topRight());
    if (columns) painter.drawLine(cell.topLeft(), cell.bottomLeft());
  }
  painter.setPen(QPen(bottomRight, 1, style));
  if (rows) painter.drawLine(cell.bottomLeft(), cell.bottomRight());
  if (columns) painter.drawLine(cell.topRight(), cell.bottomRight());
  painter.restore();
}

}  // namespace folidex
