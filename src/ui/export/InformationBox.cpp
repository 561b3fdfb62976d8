#include "ui/export/InformationBox.h"

#include <QMessageBox>

namespace folidex {

ShowMessageFunction InformationBox(QWidget* parent) {
  return [parent](const QString& message) { QMessageBox::information(parent, "Folidex", message); };
}

}  // namespace folidex
