#pragma once

#include <QImage>

namespace folidex {

// The sort glyph of a header: 11 x 4 pixels, a pure blue triangle on light blue, 7 pixels
// wide at its base and 2 narrower on each row towards its point. Ascending points up.
QImage SortGlyph(bool ascending);

}  // namespace folidex
