#pragma once

#include <QWidget>

#include "ui/app/Twips.h"

namespace folidex {

// Gives `control` its place in twips. A control that needs more room than its place
// (a larger font than the design's) is widened to the right, and gets its height around
// the place's centre or below the place's top.
enum class Grow { AroundCentre, Down };
void PlaceControl(QWidget* control, const TwipRect& place, Grow grow = Grow::AroundCentre);

}  // namespace folidex
