#include "ui/export/ExportDialog.h"

#include <QKeyEvent>
#include <QScreen>
#include <algorithm>

#include "core/common/TrimBlanks.h"
#include "ui/app/PlaceControl.h"
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

// Places a label at least as wide as its caption needs in the current font.
void PlaceLabel(QLabel* label, TwipRect place) {
  place.width = std::max(place.width, PixelsToTwips(label->sizeHint().width()));
  PlaceControl(label, place);
}

}  // namespace

ExportDialog::ExportDialog(std::string exportLocation, ShowMessageFunction showMessage, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      exportLocation_(std::move(exportLocation)),
      showMessage_(showMessage ? std::move(showMessage) : InformationBox(this)),
      ftvFolder_(new FolderTree(this)),
      fmeFile_(new QFrame(this)),
      lblFileName_(new QLabel("File Name", fmeFile_)),
      txtFileName_(new FileNameBox(fmeFile_)),
      lblFileType_(new QLabel("File Type", fmeFile_)),
      cmbFileType_(new QComboBox(fmeFile_)),
      lblDelimeter_(new QLabel("Column Saperator", fmeFile_)),
      txtColSaperator_(new SelectOnFocusLineEdit(fmeFile_)),
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
  cmdSave_->setObjectName("cmdSave");
  cmdCancel_->setObjectName("cmdCancel");
  cmdSave_->setDefault(true);
  PlaceControls();

  connect(cmbFileType_, &QComboBox::currentIndexChanged, this, &ExportDialog::cmbFileType_Click);
  connect(cmdSave_, &QPushButton::clicked, this, &ExportDialog::cmdSave_Click);
  connect(cmdCancel_, &QPushButton::clicked, this, &ExportDialog::cmdCancel_Click);
}

void ExportDialog::PlaceControls() {
  setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
  ftvFolder_->setGeometry(ToPixels({120, 120, 3765, 4590}));
  fmeFile_->setGeometry(ToPixels({3990, 60, 3135, 4665}));
  PlaceLabel(lblFileName_, {120, 270, 795, 255});
  PlaceControl(txtFileName_, {120, 510, 2865, 285});
  PlaceLabel(lblFileType_, {120, 930, 795, 255});
  PlaceControl(cmbFileType_, {120, 1170, 2865, 315});
  PlaceLabel(lblDelimeter_, {120, 1710, 1515, 315});
  // The separator box follows its caption when a larger font pushes the caption past it.
  TwipRect separatorPlace{1530, 1680, 375, 285};
  separatorPlace.left = std::max(separatorPlace.left, PixelsToTwips(lblDelimeter_->geometry().right() + 4));
  separatorPlace.width = std::max(separatorPlace.width, PixelsToTwips(txtColSaperator_->minimumSizeHint().width()));
  PlaceControl(txtColSaperator_, separatorPlace);
  PlaceControl(cmdSave_, {4530, 4830, 1215, 375});
  PlaceControl(cmdCancel_, {5880, 4830, 1215, 375});
}

void ExportDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;  // the window system showing it again, not an opening
  Form_Load();
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
}

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
  fileName_ = ExportTargetPath(ftvFolder_->SelectedFolder(), txtFileName_->text(), type.extension);
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
