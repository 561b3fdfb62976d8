#include "ui/results/FileActions.h"

#include <QStandardPaths>

#include "core/results/TrashOrRemoveListedFile.h"

namespace folidex {

FileActions::FileActions(ResultGrid& grid, std::unique_ptr<Desktop> desktop, std::unique_ptr<DeletePrompts> prompts,
                         QObject* parent)
    : QObject(parent), grid_(grid), desktop_(std::move(desktop)), prompts_(std::move(prompts)) {}

const FoundFile* FileActions::CursorFile() const {
  const std::optional<std::size_t> row = Model().CursorRow();
  return row ? &Model().Table().Row(*row).file : nullptr;
}

void FileActions::mnuFileOpen_Click() {
  if (const FoundFile* file = CursorFile()) desktop_->OpenFile(QString::fromStdString(file->facts.fullPath));
}

void FileActions::mnuFileShowContainingFolder_Click() {
  if (const FoundFile* file = CursorFile())
    desktop_->ShowContainingFolder(QString::fromStdString(file->facts.fullPath));
}

void FileActions::mnuFileProperties_Click() {
  if (const FoundFile* file = CursorFile())
    desktop_->ShowFileProperties(QString::fromStdString(file->facts.fullPath), file->pages, grid_.window());
}

void FileActions::mnuFileDelete_Click() {
  if (Model().SelectedRows().empty() || !prompts_->ConfirmDelete(grid_.window())) return;
  // The home Trash lies in the user's data folder: $XDG_DATA_HOME, or ~/.local/share.
  const std::string dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString();
  const auto trashOrRemove = [&dataHome](const std::string& path) { return TrashOrRemoveListedFile(path, dataHome); };
  if (const std::optional<std::string> failed = Model().DeleteSelectedFiles(trashOrRemove))
    prompts_->ShowDeleteFailure(grid_.window(), QString::fromStdString(*failed));
}

}  // namespace folidex
