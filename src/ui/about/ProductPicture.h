#pragma once

#include <QIcon>

namespace folidex {

// The product picture in every size the program carries; the window icon of its windows.
QIcon ProductIcon();

}  // namespace folidex
