#include "ui/export/InformationBox.h"

#include "ui/app/MessageBoxes.h"

namespace folidex {

ShowMessageFunction InformationBox(QWidget* parent) {
  return [parent](const QString& message) { ShowInformation(parent, message); };
}

}  // namespace folidex
