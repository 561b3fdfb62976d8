#pragma once

#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <string>

#include "ui/app/FolderTree.h"
#include "ui/export/FileNameBox.h"
#include "ui/export/InformationBox.h"
#include "ui/export/SelectOnFocusLineEdit.h"

namespace folidex {

// The modal dialog "Export": a folder, a file name, one of four file types and, for ".txt"
// and ".doc", a column separator. It shows the full path of the file to be written as the
// user picks them. It writes nothing itself; it leaves the full path of the
// target in FileName() and the separator in ColumnSaperator(). Both are cleared each time
// the dialog is shown and stay readable after it has closed.
class ExportDialog : public QDialog {
  Q_OBJECT

 public:
  // FileName() after "&Cancel".
  static constexpr const char* kCancelled = "//Cancelled//";

  // `exportLocation` is the folder to start in; blank for the user's home folder. The
  // input checks speak through `showMessage`, or a message box over the dialog when empty.
  explicit ExportDialog(std::string exportLocation, ShowMessageFunction showMessage = {}, QWidget* parent = nullptr);

  // The target after "&Save", kCancelled after "&Cancel", empty after the close box.
  const QString& FileName() const { return fileName_; }
  // The separator after "&Save" with a ".txt" or ".doc" type; otherwise empty.
  const QString& ColumnSaperator() const { return columnSaperator_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ArrangeControls();
  void Form_Load();
  // The file to be written: the selected folder, the name and the type's extension.
  QString TargetPath() const;
  void ShowTargetPath();
  void cmbFileType_Click();
  void cmdSave_Click();
  void cmdCancel_Click();

  const std::string exportLocation_;
  const ShowMessageFunction showMessage_;
  QString fileName_;
  QString columnSaperator_;

  FolderTree* ftvFolder_;
  QFrame* fmeFile_;
  QLabel* lblFileName_;
  FileNameBox* txtFileName_;
  QLabel* lblFileType_;
  QComboBox* cmbFileType_;
  QLabel* lblDelimeter_;
  SelectOnFocusLineEdit* txtColSaperator_;
  QLabel* lblTargetPath_;
  QPlainTextEdit* txtTargetPath_;
  QPushButton* cmdSave_;
  QPushButton* cmdCancel_;
};

}  // namespace folidex
