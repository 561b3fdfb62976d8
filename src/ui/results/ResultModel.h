#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QItemSelectionModel>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/results/ResultTable.h"
#include "core/results/SelectionSummary.h"
#include "core/search/WalkEvent.h"

namespace folidex {

// The results behind the grid, and their one owner: the rows with their icons and hidden
// flags, the selection, the hidden columns and the texts beside the grid. Views read it
// through the table-model interface and change it only through the functions below (a view
// selects rows through Selection(), which every view of the model shares); it signals each
// change: rows through the table-model signals, a row's hidden flag as dataChanged() of
// kHiddenRole, the rest through its own signals.
class ResultModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // data() of this role tells whether the row is hidden (its file was deleted).
  static constexpr int kHiddenRole = Qt::UserRole;

  explicit ResultModel(QObject* parent = nullptr);

  const ResultTable& Table() const { return table_; }
  QItemSelectionModel* Selection() { return &selection_; }

  // Applies a search's event: a file found is appended without an icon.
  void ApplySearchEvent(const WalkEvent& event);
  // Appends files found, icons[i] going with files[i].
  void AppendFiles(std::vector<FoundFile> files, std::vector<QIcon> icons);

  // Puts the rows in the order of `column`; the selection and the hidden flags go with them.
  void Sort(Column column, bool ascending);
  void SelectAll();
  void InvertSelection();
  // The selected rows in ascending order, hidden rows included.
  std::vector<std::size_t> SelectedRows() const;
  // The files and pages of the selected rows that are shown.
  SelectionSummary SummarizeSelection() const { return SummarizeRows(table_, SelectedRows()); }
  // The row the file actions act on: the current row, or while no row is current the first
  // one; nothing without rows.
  std::optional<std::size_t> CursorRow() const;
  // Deletes the selected rows' files with `removeFile` and hides their rows (see
  // DeleteSelectedFiles); returns the file that could not be removed, if one could not.
  std::optional<std::string> DeleteSelectedFiles(const std::function<bool(const std::string& path)>& removeFile);
  // Shows or hides the columns from a visibility list: entry i "1" shows column i, any other
  // text hides it; with `trimTrailingBlanks` blanks after an entry do not count. Entries
  // past the last column are ignored, and an empty list changes nothing.
  void SetColumnVisibility(const std::vector<std::string>& visibility, bool trimTrailingBlanks);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 signals:
  // The status texts or the total text have changed.
  void TextsChanged();
  void ColumnVisibilityChanged();
  // The selected files may have changed: rows were selected or deselected, hidden, or
  // cleared with the rest.
  void SelectedFilesChanged();

 private:
  QItemSelection AllRows() const;

  ResultTable table_;
  std::vector<QIcon> icons_;  // one per row, in row order
  QItemSelectionModel selection_;
};

}  // namespace folidex
