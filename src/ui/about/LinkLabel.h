#pragma once

#include <QLabel>

namespace folidex {

// A label that acts as a link: navy text, a hand pointer while the mouse is over it, and
// a Clicked signal when the left button is released over it.
class LinkLabel : public QLabel {
  Q_OBJECT

 public:
  explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

 signals:
  void Clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace folidex
