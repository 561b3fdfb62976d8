#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>
#include <cstdint>

namespace folidex {

// The grid-line codes of the settings, as the lines each draws around a cell.
struct GridLines {
  enum class Edges { None, All, BetweenRows, BetweenColumns };
  enum class Look { Flat, Inset, Raised, Dotted, Spreadsheet };
  Edges edges = Edges::None;
  Look look = Look::Flat;
};

// 0 none; 1-3 flat, inset, raised between all cells; 4-6 the same between rows only;
// 8-10 between columns only; 12 dotted lines in the manner of a file explorer's list;
// 13 solid lines in the manner of a spreadsheet. Other codes draw no lines.
GridLines GridLinesForCode(int code);

// Draws the lines of one cell along its edges in `color`.
void DrawCellLines(QPainter& painter, const QRect& cell, const GridLines& lines, const QColor& color);

}  // namespace folidex
