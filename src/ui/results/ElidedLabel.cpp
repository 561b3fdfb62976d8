#include "ui/results/ElidedLabel.h"

#include <QEvent>
#include <QTextDocument>

namespace folidex {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }

void ElidedLabel::SetFullText(const QString& text) {
  // A search sets its texts after each folder, most often to what they already are.
  if (text == fullText_) return;
  fullText_ = text;
  // Tooltips guess whether a text is markup; one written as markup shows any text as it is.
  setToolTip(text.isEmpty() ? QString() : Qt::convertFromPlainText(text, Qt::WhiteSpaceNoWrap));
  setAccessibleName(text);
  Elide();
}

QSize ElidedLabel::sizeHint() const {
  const int width = maximumWidth() < QWIDGETSIZE_MAX ? maximumWidth() : QLabel::sizeHint().width();
  return {width, QLabel::sizeHint().height()};
}

QSize ElidedLabel::minimumSizeHint() const {
  return {width() - TextWidth() + fontMetrics().horizontalAdvance(QChar(0x2026)), QLabel::minimumSizeHint().height()};
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  Elide();
}

void ElidedLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::FontChange) Elide();
}

int ElidedLabel::TextWidth() const {
  // As QLabel measures it: without an indent of its own, a framed label indents its text
  // by half an "x" on the side it is aligned to.
  const int indentation = indent() >= 0 ? indent() : (frameWidth() > 0 ? fontMetrics().horizontalAdvance('x') / 2 : 0);
  return contentsRect().width() - 2 * margin() - indentation;
}

void ElidedLabel::Elide() { setText(fontMetrics().elidedText(fullText_, Qt::ElideMiddle, TextWidth())); }

}  // namespace folidex
