#include "ui/app/MessageBoxes.h"

#include <QMessageBox>

namespace folidex {
namespace {

void ShowMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
  QMessageBox box(icon, "Folidex", text, QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace

void ShowInformation(QWidget* parent, const QString& text) { ShowMessageBox(parent, QMessageBox::Information, text); }

void ShowPlainMessage(QWidget* parent, const QString& text) { ShowMessageBox(parent, QMessageBox::NoIcon, text); }

}  // namespace folidex
