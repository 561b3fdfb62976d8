#pragma once

#include <QLineEdit>

namespace folidex {

// A text box that selects its whole text whenever it receives the focus, by the
// keyboard or by a click.
class SelectOnFocusLineEdit : public QLineEdit {
  Q_OBJECT

 public:
  using QLineEdit::QLineEdit;

 protected:
  void focusInEvent(QFocusEvent* event) override;
};

}  // namespace folidex
