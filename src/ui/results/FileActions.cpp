#include "ui/results/FileActions.h"

#include "core/results/DeleteSelectedFiles.h"

namespace folidex {

FileActions::FileActions(ResultGrid& grid, std::unique_ptr<Desktop> desktop, std::unique_ptr<DeletePrompts> prompts,
                         QObject* parent)
    : QObject(parent), grid_(grid), desktop_(std::move(desktop)), prompts_(std::move(prompts)) {}

ResultTable& FileActions::Table() const { return static_cast<ResultModel&>(*grid_.model()).Table(); }

QString FileActions::CursorPath() const {
  const ResultTable& table = Table();
  if (table.CursorRow() == ResultTable::kHeaderRow) return {};
  return QString::fromStdString(table.Text(table.CursorRow(), kFullPath));
}

void FileActions::mnuFileOpen_Click() {
  if (const QString path = CursorPath(); !path.isEmpty()) desktop_->OpenFile(path);
}

void FileActions::mnuFileShowContainingFolder_Click() {
  if (const QString path = CursorPath(); !path.isEmpty()) desktop_->ShowContainingFolder(path);
}

void FileActions::mnuFileProperties_Click() {
  const QString path = CursorPath();
  if (path.isEmpty()) return;
  const QString pages = QString::fromStdString(Table().Text(Table().CursorRow(), kPages));
  desktop_->ShowFileProperties(path, pages, grid_.window());
}

void FileActions::mnuFileDelete_Click() {
  if (Table().SelectedCount() == 0 || !prompts_->ConfirmDelete(grid_.window())) return;
  const std::optional<std::string> failed = DeleteSelectedFiles(Table(), RemoveListedFile);
  grid_.ShowRowFlags();
  if (failed) prompts_->ShowDeleteFailure(grid_.window(), QString::fromStdString(*failed));
}

}  // namespace folidex
