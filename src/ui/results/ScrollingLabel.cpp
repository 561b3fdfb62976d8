#include "ui/results/ScrollingLabel.h"

#include <QScrollBar>

namespace folidex {

ScrollingLabel::ScrollingLabel(QLabel* label, int visibleLines, QWidget* parent)
    : QScrollArea(parent), label_(label), visibleLines_(visibleLines) {
  label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setWidget(label_);
  setWidgetResizable(true);
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void ScrollingLabel::SetText(const QString& text) {
  label_->setText(text);
  updateGeometry();
}

// The label's own size, up to the visible lines, and room for the scroll bar beside it
// when it needs one.
QSize ScrollingLabel::sizeHint() const {
  const QSize text = label_->sizeHint();
  const int most = visibleLines_ * label_->fontMetrics().lineSpacing();
  if (text.height() <= most) return text;
  return {text.width() + verticalScrollBar()->sizeHint().width(), most};
}

}  // namespace folidex
