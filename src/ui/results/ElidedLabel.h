#pragma once

#include <QLabel>
#include <QString>

namespace folidex {

// A one-line label for texts such as paths: a text too wide for the label is shown with
// "…" in its middle, so that its start and its end stay readable, and the whole text is
// the label's tooltip and what screen readers read. The text is never taken for markup.
// The label prefers its maximum width and may be squeezed down to its minimum width.
class ElidedLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ElidedLabel(QWidget* parent = nullptr);

  void SetFullText(const QString& text);
  const QString& FullText() const { return fullText_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // The width the label gives its text: inside the frame, the margins and the indent.
  int TextWidth() const;
  void Elide();

  QString fullText_;
};

}  // namespace folidex
