#include "ui/about/ProductPicture.h"

namespace folidex {

QIcon ProductIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48, 64, 128, 256})
    icon.addFile(QString(":/folidex-%1.png").arg(size), QSize(size, size));
  return icon;
}

}  // namespace folidex
