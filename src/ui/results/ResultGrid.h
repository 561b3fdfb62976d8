#pragma once

#include <QPixmap>
#include <QTableView>
#include <string>
#include <vector>

#include "ui/results/GridAppearance.h"
#include "ui/results/GridCellDelegate.h"
#include "ui/results/ResultModel.h"
#include "ui/results/SortGlyphHeader.h"

namespace folidex {

// The results grid: draws the result table, selects whole rows in the manner of a list
// box (click, Ctrl+click, Shift+click), sorts by a click on a column header and asks for
// the context menu. The table's selected flags follow the grid's selection and back.
class ResultGrid : public QTableView {
  Q_OBJECT

 public:
  explicit ResultGrid(ResultModel& model, QWidget* parent = nullptr);

  // Builds the columns: captions, widths, the hidden columns and `visibility` (entries
  // compared with "1" after trailing blanks are removed).
  void SetupGrid(const std::vector<std::string>& visibility);
  // Shows or hides columns 0 to 4 from `visibility`, each entry compared with "1" exactly;
  // an empty list changes nothing.
  void ApplyColumnVisibility(const std::vector<std::string>& visibility, bool trimTrailingBlanks);
  void SetAppearance(const GridAppearance& appearance);
  // Draws `picture` behind the cells; a null picture removes it.
  void SetBackgroundPicture(const QPixmap& picture);

  void SelectAll();
  void InvertSelection();
  // Sorts by `column`: ascending on the first click on a header, flipping on each further
  // click on the same header.
  void SortByHeader(int column);
  // Re-reads the table's row flags (hidden and selected) after the table changed them.
  void ShowRowFlags();

  SortGlyphHeader& Header() { return *header_; }

 signals:
  // The context menu should open at `globalPosition`.
  void ContextMenuRequested(const QPoint& globalPosition);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void CopySelectionToTable(const QItemSelection& selected, const QItemSelection& deselected);
  void ShowSelectionFromTable();

  ResultModel& model_;
  SortGlyphHeader* header_;
  GridCellDelegate* delegate_;
  QPixmap picture_;
  int sortColumn_ = -1;
  bool sortAscending_ = true;
  bool showingTableSelection_ = false;
};

}  // namespace folidex
