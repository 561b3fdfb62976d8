#pragma once

#include "ui/export/SelectOnFocusLineEdit.h"

namespace folidex {

// The export dialog's file name box: a typed \ / : * ? " < > or | is dropped, as no file
// name may hold one. Pasted text is taken as it is.
class FileNameBox : public SelectOnFocusLineEdit {
  Q_OBJECT

 public:
  using SelectOnFocusLineEdit::SelectOnFocusLineEdit;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace folidex
