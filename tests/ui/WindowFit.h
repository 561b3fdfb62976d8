#pragma once

#include <QStringList>
#include <QWidget>

namespace folidex::test {

// What a shown window fails to show, one line per fault: a label, button, check box,
// option button or group caption narrower (or lower) than its text, a widget reaching
// past the visible area of the widget that holds it, and sibling widgets that overlap.
// The controls of composite widgets (lists, spin boxes, scroll areas) are theirs to
// arrange and are not looked into.
QStringList FitProblems(const QWidget& window);

}  // namespace folidex::test
