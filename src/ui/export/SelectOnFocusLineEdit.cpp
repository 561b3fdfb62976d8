#include "ui/export/SelectOnFocusLineEdit.h"

#include <QMetaObject>

namespace folidex {

void SelectOnFocusLineEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  // Queued, so that the press of a click that brought the focus does not undo it.
  QMetaObject::invokeMethod(this, &QLineEdit::selectAll, Qt::QueuedConnection);
}

}  // namespace folidex
