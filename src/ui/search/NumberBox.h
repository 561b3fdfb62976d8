#pragma once

#include <QLineEdit>
#include <QWidget>

namespace folidex {

// A one-line text box with up and down buttons bound to its text. The text may hold
// anything typed; the buttons step the number it holds by 1 within 0 to 9,999,999.
// The box selects its whole text when it receives the focus, so typing replaces it.
class NumberBox : public QWidget {
  Q_OBJECT

 public:
  static constexpr long kUpperEnd = 9'999'999;

  enum class Keys { Any, DigitsOnly };
  explicit NumberBox(Keys keys, QWidget* parent = nullptr);

  QString Text() const { return edit_->text(); }
  void SetText(const QString& text) { edit_->setText(text); }
  QLineEdit* Edit() const { return edit_; }

  // Steps the number in the text by `delta`; a text that holds no number counts as 0.
  void Step(int delta);

 signals:
  void Edited();

 private:
  QLineEdit* edit_;
};

}  // namespace folidex
