#include "ui/search/NumberBox.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace folidex {
namespace {

// Discards every typed character but the digits; Backspace and keys that type
// nothing (arrows, Delete, shortcuts) pass.
class DigitKeyFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (text.isEmpty() || !text.at(0).isPrint()) return false;
    const QChar typed = text.at(0);
    return typed < u'0' || typed > u'9';
  }
};

// Selects the whole text once the focus has arrived (after the click that brought it).
class SelectAllOnFocus : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusIn) {
      auto* edit = static_cast<QLineEdit*>(watched);
      QTimer::singleShot(0, edit, &QLineEdit::selectAll);
    }
    return QObject::eventFilter(watched, event);
  }
};

QToolButton* MakeSpinButton(Qt::ArrowType arrow, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setArrowType(arrow);
  button->setAutoRepeat(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setFixedSize(14, 10);
  return button;
}

}  // namespace

NumberBox::NumberBox(Keys keys, QWidget* parent) : QWidget(parent), edit_(new QLineEdit(this)) {
  edit_->installEventFilter(new SelectAllOnFocus(edit_));
  if (keys == Keys::DigitsOnly) edit_->installEventFilter(new DigitKeyFilter(edit_));

  QToolButton* up = MakeSpinButton(Qt::UpArrow, this);
  QToolButton* down = MakeSpinButton(Qt::DownArrow, this);
  auto* buttons = new QVBoxLayout;
  buttons->setContentsMargins(0, 0, 0, 0);
  buttons->setSpacing(0);
  buttons->addWidget(up);
  buttons->addWidget(down);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(1);
  row->addWidget(edit_);
  row->addLayout(buttons);

  connect(up, &QToolButton::clicked, this, [this] { Step(1); });
  connect(down, &QToolButton::clicked, this, [this] { Step(-1); });
  connect(edit_, &QLineEdit::textChanged, this, &NumberBox::Edited);
}

void NumberBox::Step(int delta) {
  bool converted = false;
  const long value = edit_->text().trimmed().toLong(&converted);
  const long stepped = std::clamp((converted ? value : 0L) + delta, 0L, kUpperEnd);
  edit_->setText(QString::number(stepped));
}

}  // namespace folidex
