#include "ui/export/ExportDialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "core/common/TrimBlanks.h"
#include "ui/app/DesignSize.h"
#include "ui/app/Twips.h"
#include "ui/export/ExportTargetName.h"

namespace folidex {
namespace {

constexpr int kClientWidth = 7230;   // twips
constexpr int kClientHeight = 5295;  // twips
constexpr int kFileNameLimit = 255;

struct FileType {
  const char* caption;
  const char* extension;
  bool takesSeparator;  // the other types are TAB-separated
};

// The file types in the order of the list; the first is preselected.
constexpr FileType kFileTypes[] = {{"Text Document (*.txt)", "txt", true},
                                   {"Excel Worksheet (*.xls)", "xls", false},
                                   {"Word Document (*.doc)", "doc", true},
                                   {"CSV File (*.csv)", "csv", false}};

const FileType& ChosenType(const QComboBox& list) { return kFileTypes[std::max(0, list.currentIndex())]; }

constexpr int kGroupGap = 9;  // pixels between a label with its box and the next label

QLabel* MakeLabel(const QString& caption, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}

// The full path of the target, whole over as many lines as it needs, read-only.
QPlainTextEdit* MakePathBox(QWidget* parent) {
  auto* box = new QPlainTextEdit(parent);
  box->setReadOnly(true);
  box->setFrameShape(QFrame::NoFrame);
  box->document()->setDocumentMargin(0);  // the text lines up with the captions
  box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  box->setFocusPolicy(Qt::ClickFocus);  // selectable, but not in the order of the Tab key
  box->setBackgroundRole(QPalette::Window);
  box->viewport()->setBackgroundRole(QPalette::Window);
  return box;
}

}  // namespace

ExportDialog::ExportDialog(std::string exportLocation, ShowMessageFunction showMessage, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      exportLocation_(std::move(exportLocation)),
      showMessage_(showMessage ? std::move(showMessage) : InformationBox(this)),
      ftvFolder_(new FolderTree(this)),
      fmeFile_(new QFrame(this)),
      lblFileName_(MakeLabel("File Name", fmeFile_)),
      txtFileName_(new FileNameBox(fmeFile_)),
      lblFileType_(MakeLabel("File Type", fmeFile_)),
      cmbFileType_(new QComboBox(fmeFile_)),
      lblDelimeter_(MakeLabel("Column Saperator", fmeFile_)),
      txtColSaperator_(new SelectOnFocusLineEdit(fmeFile_)),
      lblTargetPath_(MakeLabel("Full Path", fmeFile_)),
      txtTargetPath_(MakePathBox(fmeFile_)),
      cmdSave_(new QPushButton("&Save", this)),
      cmdCancel_(new QPushButton("&Cancel", this)) {
  setObjectName("dlgSave");
  setWindowTitle("Export");
  setModal(true);
  ftvFolder_->setObjectName("ftvFolder");
  fmeFile_->setObjectName("fmeFile");
  fmeFile_->setFrameShape(QFrame::Box);
  fmeFile_->setFrameShadow(QFrame::Sunken);
  txtFileName_->setObjectName("txtFileName");
  cmbFileType_->setObjectName("cmbFileType");
  lblDelimeter_->setObjectName("lblDelimeter");
  txtColSaperator_->setObjectName("txtColSaperator");
  txtTargetPath_->setObjectName("txtTargetPath");
  cmdSave_->setObjectName("cmdSave");
  cmdCancel_->setObjectName("cmdCancel");
  cmdSave_->setDefault(true);
  ArrangeControls();

  connect(cmbFileType_, &QComboBox::currentIndexChanged, this, &ExportDialog::cmbFileType_Click);
  connect(cmbFileType_, &QComboBox::currentIndexChanged, this, &ExportDialog::ShowTargetPath);
  connect(txtFileName_, &QLineEdit::textChanged, this, &ExportDialog::ShowTargetPath);
  connect(ftvFolder_, &FolderTree::FolderSelected, this, &ExportDialog::ShowTargetPath);
  connect(cmdSave_, &QPushButton::clicked, this, &ExportDialog::cmdSave_Click);
  connect(cmdCancel_, &QPushButton::clicked, this, &ExportDialog::cmdCancel_Click);
}

void ExportDialog::ArrangeControls() {
  SetDesignSize(*ftvFolder_, 3765, 4590);
  SetDesignSize(*fmeFile_, 3135, 4665);
  SetDesignSize(*txtFileName_, 2865, 285);
  SetDesignSize(*cmbFileType_, 2865, 315);
  SetDesignSize(*lblDelimeter_, 1515, 315);
  SetDesignSize(*txtColSaperator_, 375, 285);
  // One character: the box keeps its small width where the row has more room.
  txtColSaperator_->setMaximumWidth(std::max(TwipsToPixels(375), txtColSaperator_->minimumSizeHint().width()));
  SetButtonSize(*cmdSave_, 1215, 375);
  SetButtonSize(*cmdCancel_, 1215, 375);

  auto* separator = new QHBoxLayout;
  separator->addWidget(lblDelimeter_);
  separator->addWidget(txtColSaperator_);
  separator->addStretch();
  auto* file = new QVBoxLayout(fmeFile_);
  file->setSpacing(2);
  file->addWidget(lblFileName_);
  file->addWidget(txtFileName_);
  file->addSpacing(kGroupGap);
  file->addWidget(lblFileType_);
  file->addWidget(cmbFileType_);
  file->addSpacing(kGroupGap);
  file->addLayout(separator);
  file->addSpacing(kGroupGap);
  file->addWidget(lblTargetPath_);
  file->addWidget(txtTargetPath_, 1);

  auto* panes = new QHBoxLayout;
  panes->addWidget(ftvFolder_, 1);
  panes->addWidget(fmeFile_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdSave_);
  buttons->addWidget(cmdCancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(panes, 1);
  layout->addLayout(buttons);
}

void ExportDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;  // the window system showing it again, not an opening
  Form_Load();
  FixDialogSize(*this, kClientWidth, kClientHeight);  // with the lists filled
  if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
}

void ExportDialog::Form_Load() {
  columnSaperator_.clear();
  fileName_.clear();
  // A location that does not exist (any more) starts at the home folder too.
  if (TrimBlanks(exportLocation_).empty() || !ftvFolder_->SelectFolder(QString::fromStdString(exportLocation_)))
    ftvFolder_->SelectDefaultFolder();
  txtFileName_->setMaxLength(kFileNameLimit);
  txtColSaperator_->setMaxLength(1);
  txtFileName_->setText(DefaultExportName(QDate::currentDate()));
  txtColSaperator_->setText(",");
  const QSignalBlocker quiet(cmbFileType_);  // the type rule runs once, below
  cmbFileType_->clear();
  for (const FileType& type : kFileTypes) cmbFileType_->addItem(type.caption);
  cmbFileType_->setCurrentIndex(0);
  cmbFileType_Click();
  ShowTargetPath();
}

QString ExportDialog::TargetPath() const {
  return ExportTargetPath(ftvFolder_->SelectedFolder(), txtFileName_->text(), ChosenType(*cmbFileType_).extension);
}

void ExportDialog::ShowTargetPath() { txtTargetPath_->setPlainText(TargetPath()); }

void ExportDialog::cmbFileType_Click() {
  const bool shown = ChosenType(*cmbFileType_).takesSeparator;
  lblDelimeter_->setVisible(shown);
  txtColSaperator_->setVisible(shown);
}

void ExportDialog::cmdSave_Click() {
  const FileType& type = ChosenType(*cmbFileType_);
  const bool separatorShown = type.takesSeparator;
  if (txtFileName_->text().isEmpty()) {
    showMessage_("File Name must be specified.");
    return;
  }
  if (separatorShown && txtColSaperator_->text().isEmpty()) {
    showMessage_("Column Saperator must be specified.");
    return;
  }
  fileName_ = TargetPath();
  if (separatorShown) columnSaperator_ = txtColSaperator_->text();
  accept();
}

void ExportDialog::cmdCancel_Click() {
  fileName_ = kCancelled;
  reject();
}

void ExportDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    cmdCancel_->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace folidex
