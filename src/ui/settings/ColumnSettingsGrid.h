#pragma once

#include <QStringList>
#include <QTableWidget>
#include <string>
#include <vector>

namespace folidex {

// The grid of the results grid's columns: "Sr#", "Column Name" and a "Visible" box per
// row. Only the boxes can be changed: by a click, or by the space bar from any column of
// the current row.
class ColumnSettingsGrid : public QTableWidget {
  Q_OBJECT

 public:
  explicit ColumnSettingsGrid(QWidget* parent = nullptr);

  // One row per caption, numbered from 1, its box ticked when shown[i] is true.
  void FillColumnSettings(const QStringList& captions, const std::vector<bool>& shown);

  bool Visible(int row) const;
  void SetVisible(int row, bool visible);
  void SelectAll();
  void DeselectAll();
  void InvertSelection();
  // "1" or "0" per row, in row order.
  std::vector<std::string> VisibilityFlags() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QTableWidgetItem* Box(int row) const { return item(row, kVisible); }
  void FitColumns();

  static constexpr int kVisible = 2;
};

}  // namespace folidex
