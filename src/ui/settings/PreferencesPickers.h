#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <optional>

namespace folidex {

// The standard dialogs and the message box the preferences dialog opens, behind one
// interface so that tests can answer in their place.
class PreferencesPickers {
 public:
  virtual ~PreferencesPickers() = default;

  // The colour dialog; nothing when the user cancels.
  virtual std::optional<QColor> ChooseColor(QWidget* owner, const QColor& initial) = 0;
  // The open-file dialog with `filter` (Qt's "Name (*.ext);;..." form), starting from
  // `startFile`; nothing when the user cancels.
  virtual std::optional<QString> ChoosePicture(QWidget* owner, const QString& filter, const QString& startFile) = 0;
  // The folder chooser titled `title`; empty text when the user cancels.
  virtual QString ChooseFolder(QWidget* owner, const QString& title) = 0;
  // The program's message box: title "Folidex", the information icon, one OK button.
  virtual void ShowMessage(QWidget* owner, const QString& message) = 0;
};

// The Qt dialogs and QMessageBox.
class StandardPreferencesPickers : public PreferencesPickers {
 public:
  std::optional<QColor> ChooseColor(QWidget* owner, const QColor& initial) override;
  std::optional<QString> ChoosePicture(QWidget* owner, const QString& filter, const QString& startFile) override;
  QString ChooseFolder(QWidget* owner, const QString& title) override;
  void ShowMessage(QWidget* owner, const QString& message) override;
};

}  // namespace folidex
