#pragma once

#include <QFrame>
#include <cstdint>

namespace folidex {

// A small filled square showing a stored colour (an RGB value or a system colour, which
// is drawn in the current palette's colour). It keeps the stored value as it is.
class ColorSquare : public QFrame {
  Q_OBJECT

 public:
  explicit ColorSquare(QWidget* parent = nullptr);

  std::int32_t Color() const { return color_; }
  void SetColor(std::int32_t color);
  // The colour as it is drawn.
  QColor Shown() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::int32_t color_ = 0;
};

}  // namespace folidex
