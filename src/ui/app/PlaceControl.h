#pragma once

#include <QWidget>

#include "ui/app/Twips.h"

namespace folidex {

// Gives `control` its place in twips. A control that needs more height than its place
// (a larger font than the design's) gets that height around the place's centre, or
// below the place's top.
enum class Grow { AroundCentre, Down };
void PlaceControl(QWidget* control, const TwipRect& place, Grow grow = Grow::AroundCentre);

}  // namespace folidex
