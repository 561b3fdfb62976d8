#pragma once

#include <QDateTime>

#include "core/common/LocalTime.h"

namespace folidex {

// The core keeps local wall-clock moments; the date pickers show the same moments.
QDateTime ToQDateTime(LocalTime time);
LocalTime FromQDateTime(const QDateTime& time);

}  // namespace folidex
