#pragma once

#include <QObject>

namespace folidex::test {

// The control of `parent` named `name`; the test program ends when there is none.
template <typename Control>
Control* Named(const QObject& parent, const char* name) {
  auto* control = parent.findChild<Control*>(name);
  if (!control) qFatal("no control %s", name);
  return control;
}

}  // namespace folidex::test
