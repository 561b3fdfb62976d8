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

// The results grid: draws the result model, selects whole rows in the manner of a list
// box (click, Ctrl+click, Shift+click) through the model's selection, sorts by a click on
// a column header and asks for the context menu. It shows the model's hidden rows and
// columns as the model reports them.
class ResultGrid : public QTableView {
  Q_OBJECT

 public:
  explicit ResultGrid(ResultModel& model, QWidget* parent = nullptr);

  // Builds the columns: widths and the model's column visibility from `visibility` (entries
  // compared with "1" after trailing blanks are removed).
  void SetupGrid(const std::vector<std::string>& visibility);
  void SetAppearance(const GridAppearance& appearance);
  // Draws `picture` behind the cells; a null picture removes it.
  void SetBackgroundPicture(const QPixmap& picture);

  // Sorts by `column`: ascending on the first click on a header, flipping on each further
  // click on the same header.
  void SortByHeader(int column);

  ResultModel& Model() const { return model_; }
  SortGlyphHeader& Header() { return *header_; }

 signals:
  // The context menu should open at `globalPosition`.
  void ContextMenuRequested(const QPoint& globalPosition);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void ShowHiddenRows(const QModelIndex& first, const QModelIndex& last, const QList<int>& roles);
  void ShowHiddenColumns();

  ResultModel& model_;
  SortGlyphHeader* header_;
  GridCellDelegate* delegate_;
  QPixmap picture_;
  int sortColumn_ = -1;
  bool sortAscending_ = true;
};

}  // namespace folidex
