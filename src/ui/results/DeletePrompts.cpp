#include "ui/results/DeletePrompts.h"

#include <QMessageBox>

namespace folidex {

bool StandardDeletePrompts::ConfirmDelete(QWidget* owner) {
  return QMessageBox::question(owner, "Folidex", "Are you sure to delete selected files?",
                               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void StandardDeletePrompts::ShowDeleteFailure(QWidget* owner, const QString& path) {
  QMessageBox box(QMessageBox::NoIcon, "Folidex", "Unable to delete file " + path, QMessageBox::Ok, owner);
  box.exec();
}

}  // namespace folidex
