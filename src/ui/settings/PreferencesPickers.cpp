#include "ui/settings/PreferencesPickers.h"

#include <QColorDialog>
#include <QFileDialog>

#include "ui/app/MessageBoxes.h"

namespace folidex {

std::optional<QColor> StandardPreferencesPickers::ChooseColor(QWidget* owner, const QColor& initial) {
  const QColor chosen = QColorDialog::getColor(initial, owner);
  if (!chosen.isValid()) return std::nullopt;
  return chosen;
}

std::optional<QString> StandardPreferencesPickers::ChoosePicture(QWidget* owner, const QString& filter,
                                                                 const QString& startFile) {
  const QString chosen = QFileDialog::getOpenFileName(owner, {}, startFile, filter);
  if (chosen.isEmpty()) return std::nullopt;
  return chosen;
}

QString StandardPreferencesPickers::ChooseFolder(QWidget* owner, const QString& title) {
  return QFileDialog::getExistingDirectory(owner, title);
}

void StandardPreferencesPickers::ShowMessage(QWidget* owner, const QString& message) {
  ShowInformation(owner, message);
}

}  // namespace folidex
