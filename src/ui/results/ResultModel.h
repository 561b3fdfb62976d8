#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <functional>
#include <vector>

#include "core/results/ResultTable.h"

namespace folidex {

// The Qt table model over the result table: model row i is data row i + 1, the header
// captions come from row 0. Changes of the table's shape go through the functions below,
// so the views hear of them; flags and texts are changed on Table() directly.
class ResultModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit ResultModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

  ResultTable& Table() { return table_; }
  const ResultTable& Table() const { return table_; }

  // `append` adds icons.size() rows at the end of the table; icons[i] goes with the i-th.
  void AppendRows(const std::function<void()>& append, std::vector<QIcon> icons);
  // `remove` removes every data row.
  void RemoveAllRows(const std::function<void()>& remove);
  // Puts the data rows into the given order of their current row numbers (see ResultTable).
  void ReorderRows(const std::vector<int>& order);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  static int TableRow(const QModelIndex& index) { return index.row() + 1; }

 private:
  ResultTable table_;
  std::vector<QIcon> icons_;  // one per data row, in row order
};

}  // namespace folidex
