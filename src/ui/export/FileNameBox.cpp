#include "ui/export/FileNameBox.h"

#include <QKeyEvent>

namespace folidex {
namespace {

bool IsForbiddenInFileName(const QString& typed) {
  return typed.size() == 1 && QStringLiteral("\\/:*?\"<>|").contains(typed[0]);
}

}  // namespace

void FileNameBox::keyPressEvent(QKeyEvent* event) {
  if (IsForbiddenInFileName(event->text())) {
    event->accept();
    return;
  }
  SelectOnFocusLineEdit::keyPressEvent(event);
}

}  // namespace folidex
