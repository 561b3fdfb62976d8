#include "ui/results/ResultModel.h"

namespace folidex {

void ResultModel::AppendRows(const std::function<void()>& append, std::vector<QIcon> icons) {
  if (icons.empty()) return;
  const int first = rowCount();
  beginInsertRows({}, first, first + static_cast<int>(icons.size()) - 1);
  append();
  icons_.insert(icons_.end(), std::make_move_iterator(icons.begin()), std::make_move_iterator(icons.end()));
  endInsertRows();
}

void ResultModel::RemoveAllRows(const std::function<void()>& remove) {
  beginResetModel();
  remove();
  icons_.clear();
  endResetModel();
}

void ResultModel::ReorderRows(const std::vector<int>& order) {
  beginResetModel();
  table_.ReorderDataRows(order);
  std::vector<QIcon> reordered;
  reordered.reserve(order.size());
  for (int row : order) reordered.push_back(icons_[static_cast<std::size_t>(row - 1)]);
  icons_ = std::move(reordered);
  endResetModel();
}

int ResultModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : table_.RowCount() - 1; }

int ResultModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : table_.ColumnCount(); }

QVariant ResultModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(table_.Text(TableRow(index), index.column()));
    case Qt::DecorationRole:
      if (index.column() == kFileName) return icons_[static_cast<std::size_t>(index.row())];
      return {};
    case Qt::TextAlignmentRole: {
      const bool right = index.column() == kSize || index.column() == kPages;
      return QVariant::fromValue(Qt::AlignVCenter | (right ? Qt::AlignRight : Qt::AlignLeft));
    }
    default:
      return {};
  }
}

QVariant ResultModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  return QString::fromStdString(table_.Text(ResultTable::kHeaderRow, section));
}

}  // namespace folidex
