#include "ui/results/ResultModel.h"

#include <iterator>

#include "core/results/ApplyWalkEvent.h"
#include "core/results/DeleteSelectedFiles.h"
#include "core/results/RowOrder.h"

namespace folidex {
namespace {

std::string_view WithoutTrailingBlanks(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

}  // namespace

ResultModel::ResultModel(QObject* parent) : QAbstractTableModel(parent), selection_(this) {
  connect(&selection_, &QItemSelectionModel::selectionChanged, this, &ResultModel::SelectedFilesChanged);
  // A reset clears the selection without telling.
  connect(this, &QAbstractItemModel::modelReset, this, &ResultModel::SelectedFilesChanged);
}

void ResultModel::ApplySearchEvent(const WalkEvent& event) {
  if (const auto* file = std::get_if<FoundFile>(&event)) {
    AppendFiles({*file}, {QIcon()});
  } else if (std::holds_alternative<walk::ResultsCleared>(event)) {
    beginResetModel();
    ApplyWalkEvent(table_, event);
    icons_.clear();
    endResetModel();
  } else {
    ApplyWalkEvent(table_, event);
    emit TextsChanged();
  }
}

void ResultModel::AppendFiles(std::vector<FoundFile> files, std::vector<QIcon> icons) {
  if (files.empty()) return;
  const int first = rowCount();
  beginInsertRows({}, first, first + static_cast<int>(files.size()) - 1);
  for (FoundFile& file : files) table_.Append(std::move(file));
  icons.resize(files.size());
  icons_.insert(icons_.end(), std::make_move_iterator(icons.begin()), std::make_move_iterator(icons.end()));
  endInsertRows();
}

void ResultModel::Sort(Column column, bool ascending) {
  const std::vector<std::size_t> order = SortedRowOrder(table_, column, ascending);
  emit layoutAboutToBeChanged({}, VerticalSortHint);
  std::vector<int> newRow(order.size());
  for (std::size_t i = 0; i < order.size(); ++i) newRow[order[i]] = static_cast<int>(i);
  const QModelIndexList before = persistentIndexList();
  QModelIndexList after;
  after.reserve(before.size());
  for (const QModelIndex& old : before) after << index(newRow[static_cast<std::size_t>(old.row())], old.column());
  table_.Reorder(order);
  std::vector<QIcon> icons;
  icons.reserve(order.size());
  for (const std::size_t row : order) icons.push_back(std::move(icons_[row]));
  icons_ = std::move(icons);
  changePersistentIndexList(before, after);
  emit layoutChanged({}, VerticalSortHint);
}

QItemSelection ResultModel::AllRows() const {
  if (table_.Empty()) return {};
  return QItemSelection(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void ResultModel::SelectAll() { selection_.select(AllRows(), QItemSelectionModel::Select | QItemSelectionModel::Rows); }

void ResultModel::InvertSelection() {
  selection_.select(AllRows(), QItemSelectionModel::Toggle | QItemSelectionModel::Rows);
}

std::vector<std::size_t> ResultModel::SelectedRows() const {
  // Read from the selected ranges in one pass: QItemSelectionModel::selectedRows() tests
  // each row against every range, and a sort splits a selection into about as many ranges
  // as it has rows, which made each change of the selection take seconds over 20,000 rows.
  std::vector<bool> selected(table_.RowCount(), false);
  for (const QItemSelectionRange& range : selection_.selection())
    for (int row = range.top(); row <= range.bottom(); ++row) selected[static_cast<std::size_t>(row)] = true;
  std::vector<std::size_t> rows;
  for (std::size_t row = 0; row < selected.size(); ++row)
    if (selected[row]) rows.push_back(row);
  return rows;
}

std::optional<std::size_t> ResultModel::CursorRow() const {
  if (table_.Empty()) return std::nullopt;
  const QModelIndex current = selection_.currentIndex();
  return current.isValid() ? static_cast<std::size_t>(current.row()) : 0;
}

std::optional<std::string> ResultModel::DeleteSelectedFiles(
    const std::function<bool(const std::string& path)>& removeFile) {
  const DeleteOutcome outcome = folidex::DeleteSelectedFiles(table_, SelectedRows(), removeFile);
  for (const std::size_t row : outcome.hiddenRows) {
    const int at = static_cast<int>(row);
    emit dataChanged(index(at, 0), index(at, kColumnCount - 1), {kHiddenRole});
  }
  if (!outcome.hiddenRows.empty()) emit SelectedFilesChanged();
  return outcome.failedPath;
}

void ResultModel::SetColumnVisibility(const std::vector<std::string>& visibility, bool trimTrailingBlanks) {
  for (std::size_t i = 0; i < visibility.size() && i < kColumnCount; ++i) {
    const std::string_view entry = trimTrailingBlanks ? WithoutTrailingBlanks(visibility[i]) : visibility[i];
    table_.SetColumnHidden(static_cast<Column>(i), entry != "1");
  }
  emit ColumnVisibilityChanged();
}

int ResultModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(table_.RowCount());
}

int ResultModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant ResultModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const auto row = static_cast<std::size_t>(index.row());
  const auto column = static_cast<Column>(index.column());
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(CellText(table_.Row(row).file, column));
    case Qt::ToolTipRole:
      if (column == kPages) return QString::fromStdString(FormatFailureReason(table_.Row(row).file.pages));
      return {};
    case Qt::DecorationRole:
      if (column == kFileName) return icons_[row];
      return {};
    case Qt::TextAlignmentRole: {
      const bool right = column == kSize || column == kPages;
      return QVariant::fromValue(Qt::AlignVCenter | (right ? Qt::AlignRight : Qt::AlignLeft));
    }
    case kHiddenRole:
      return table_.Row(row).hidden;
    default:
      return {};
  }
}

QVariant ResultModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kColumnCount) return {};
  return QString::fromUtf8(ColumnCaption(static_cast<Column>(section)));
}

}  // namespace folidex
