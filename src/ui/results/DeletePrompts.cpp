#include "ui/results/DeletePrompts.h"

#include <QMessageBox>

#include "ui/app/MessageBoxes.h"

namespace folidex {

bool StandardDeletePrompts::ConfirmDelete(QWidget* owner) {
  return QMessageBox::question(owner, "Folidex", "Are you sure to delete selected files?",
                               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void StandardDeletePrompts::ShowDeleteFailure(QWidget* owner, const QString& path) {
  ShowPlainMessage(owner, "Unable to delete file " + path);
}

}  // namespace folidex
