#include "ui/app/PlaceControl.h"

#include <algorithm>

namespace folidex {

void PlaceControl(QWidget* control, const TwipRect& place, Grow grow) {
  QRect rect = ToPixels(place);
  const int height = std::max(rect.height(), control->sizeHint().height());
  if (grow == Grow::AroundCentre) rect.moveTop(rect.top() + rect.height() / 2 - height / 2);
  rect.setHeight(height);
  rect.setWidth(std::max(rect.width(), control->sizeHint().width()));
  control->setGeometry(rect);
}

}  // namespace folidex
