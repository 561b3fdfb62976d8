#include "ui/settings/PreferencesDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/app/CaptionColor.h"
#include "ui/app/DesignSize.h"
#include "ui/app/Twips.h"
#include "ui/settings/GridStyleEntries.h"

namespace folidex {
namespace {

constexpr int kClientWidth = 9120;   // twips
constexpr int kClientHeight = 5100;  // twips
constexpr int kTextHeight = 285;     // twips, one-line text boxes
constexpr int kFolderTextLimit = 500;
const char* const kPictureFilter = "Bitmap Image (*.bmp);;JPEG Image (*.jpg);;GIF Image (*.gif)";

// A colour's place in the grid frame: its label, its square and the "..." button beside it,
// in the left or the right half of a row.
struct ColorPlace {
  const char* label;
  const char* square;
  const char* button;
  int row;
  bool right;
  std::int32_t AppSettings::*field;
};
constexpr int kLineColorRow = 2;  // shared with the line style
// The line colour comes first: "Show Grid" enables its button.
constexpr ColorPlace kColorPlaces[] = {
    {"Line Color", "shpGridColor", "cmdGridColor", kLineColorRow, true, &AppSettings::GridColor},
    {"Fore Color", "shpGridForeColor", "cmdGridForeColor", 3, false, &AppSettings::ForeColor},
    {"Fore Color Selection", "shpGridForeColorSel", "cmdGridForeColorSel", 3, true, &AppSettings::ForeColorSel},
    {"Back Color", "shpGridBackColor", "cmdGridBackColor", 4, false, &AppSettings::BackColor},
    {"Back Color Selection", "shpGridBackColorSel", "cmdGridBackColorSel", 4, true, &AppSettings::BackColorSel},
};
// The columns of the grid frame: a label, a colour square and its "..." button on the
// left; free room; a label, a square and its button on the right.
constexpr int kLeftLabel = 0, kLeftSquare = 1, kLeftButton = 2, kMiddle = 3, kRightLabel = 4, kRightSquare = 5,
              kRightButton = 6;

QLabel* MakeLabel(const QString& caption) {
  auto* label = new QLabel(caption);
  label->setTextFormat(Qt::PlainText);
  PaintCaptionDarkBlue(label);
  return label;
}

// A frame of its design size at least.
QGroupBox* MakeFrame(const char* name, const QString& caption, int widthTwips, int heightTwips) {
  auto* frame = new QGroupBox(caption);
  frame->setObjectName(name);
  SetDesignSize(*frame, widthTwips, heightTwips);
  return frame;
}

QPushButton* MakeButton(const char* name, const QString& caption, int widthTwips, int heightTwips) {
  auto* button = new QPushButton(caption);
  button->setObjectName(name);
  button->setAutoDefault(false);
  SetButtonSize(*button, widthTwips, heightTwips);
  return button;
}

// A "..." button of 315 x 285 twips.
QPushButton* MakeBrowseButton(const char* name) { return MakeButton(name, "...", 315, 285); }

QLineEdit* MakeTextBox(const char* name, int widthTwips) {
  auto* box = new QLineEdit;
  box->setObjectName(name);
  SetDesignSize(*box, widthTwips, kTextHeight);
  return box;
}

// A read-only folder box: only its "..." button changes it.
QLineEdit* MakeFolderBox(const char* name) {
  QLineEdit* box = MakeTextBox(name, 3495);
  box->setMaxLength(kFolderTextLimit);
  box->setReadOnly(true);
  return box;
}

ColorSquare* MakeColorSquare(const char* name) {
  auto* square = new ColorSquare;
  square->setObjectName(name);
  square->setFixedSize(TwipsToPixels(270), TwipsToPixels(270));
  return square;
}

// Spreads the rows of a frame evenly over its height.
void SpreadRows(QGridLayout& grid) {
  for (int row = 0; row < grid.rowCount(); ++row) grid.setRowStretch(row, 1);
}

QString ToQString(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

PreferencesDialog::PreferencesDialog(AppSettings& settings, const ResultTable& grid, SaveSettingsFunction saveSettings,
                                     RefreshGridFunction refreshGrid, PreferencesPickers& pickers, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      settings_(settings),
      saveSettings_(std::move(saveSettings)),
      refreshGrid_(std::move(refreshGrid)),
      pickers_(pickers) {
  setObjectName("dlgPreferences");
  setWindowTitle("Preferences");
  setModal(true);
  cmdOK_ = MakeButton("cmdOK", "&OK", 1095, 345);
  cmdCancel_ = MakeButton("cmdCancel", "&Cancel", 1095, 345);
  cmdOK_->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdOK_);
  buttons->addWidget(cmdCancel_);
  auto* layout = new QGridLayout(this);
  layout->addWidget(BuildGridFrame(), 0, 0);
  layout->addWidget(BuildGeneralFrame(), 1, 0);
  layout->addWidget(BuildColumnFrame(), 0, 1, 2, 1);
  layout->addLayout(buttons, 2, 0, 1, 2);
  ConnectControls();
  Form_Load(grid);
  FixDialogSize(*this, kClientWidth, kClientHeight);
}

QGroupBox* PreferencesDialog::BuildGridFrame() {
  QGroupBox* frame = MakeFrame("fraGrid", "Grid Settings", 5385, 3015);
  auto* grid = new QGridLayout(frame);
  txtBackPicture_ = MakeTextBox("txtBackPicture", 3165);
  cmdBackGround_ = MakeBrowseButton("cmdBackGround");
  auto* picture = new QHBoxLayout;
  picture->addWidget(MakeLabel("BackGround Picture"));
  picture->addWidget(txtBackPicture_, 1);
  picture->addWidget(cmdBackGround_);
  grid->addLayout(picture, 0, kLeftLabel, 1, kRightButton + 1);

  chkShowGrid_ = new QCheckBox("Show Grid");
  chkShowGrid_->setObjectName("chkShowGrid");
  PaintCaptionDarkBlue(chkShowGrid_);
  grid->addWidget(chkShowGrid_, 1, kLeftLabel, 1, kMiddle);

  grid->addWidget(MakeLabel("Line Style"), 2, kLeftLabel);
  cmbGridStyles_ = new QComboBox;
  cmbGridStyles_->setObjectName("cmbGridStyles");
  SetDesignSize(*cmbGridStyles_, 2055, 315);
  // The list and the line colour's label share the room of the rows below: the list from
  // the left squares on, the label up to the right square.
  auto* lineStyle = new QHBoxLayout;
  lineStyle->addWidget(cmbGridStyles_);
  lineStyle->addStretch();
  grid->addLayout(lineStyle, 2, kLeftSquare, 1, kRightLabel - kLeftSquare + 1);
  static_assert(std::size(kColorPlaces) == std::tuple_size_v<decltype(colors_)>);
  for (std::size_t i = 0; i < colors_.size(); ++i) {
    const ColorPlace& place = kColorPlaces[i];
    colors_[i] = {MakeColorSquare(place.square), MakeBrowseButton(place.button), place.field};
    if (place.row == kLineColorRow)
      lineStyle->addWidget(MakeLabel(place.label));
    else
      grid->addWidget(MakeLabel(place.label), place.row, place.right ? kRightLabel : kLeftLabel);
    grid->addWidget(colors_[i].square, place.row, place.right ? kRightSquare : kLeftSquare);
    grid->addWidget(colors_[i].button, place.row, place.right ? kRightButton : kLeftButton);
  }
  grid->setColumnStretch(kMiddle, 1);
  SpreadRows(*grid);
  return frame;
}

QGroupBox* PreferencesDialog::BuildGeneralFrame() {
  QGroupBox* frame = MakeFrame("fraProgram", "General Settings", 5385, 1425);
  auto* grid = new QGridLayout(frame);
  txtStartUpFolder_ = MakeFolderBox("txtStartUpFolder");
  cmdStartupFolder_ = MakeBrowseButton("cmdStartupFolder");
  txtExportLocation_ = MakeFolderBox("txtExportLocation");
  cmdExportLocation_ = MakeBrowseButton("cmdExportLocation");
  grid->addWidget(MakeLabel("Startup Folder"), 0, 0);
  grid->addWidget(txtStartUpFolder_, 0, 1);
  grid->addWidget(cmdStartupFolder_, 0, 2);
  grid->addWidget(MakeLabel("Export Location"), 1, 0);
  grid->addWidget(txtExportLocation_, 1, 1);
  grid->addWidget(cmdExportLocation_, 1, 2);
  SpreadRows(*grid);
  return frame;
}

QGroupBox* PreferencesDialog::BuildColumnFrame() {
  QGroupBox* frame = MakeFrame("fmeColumnSettings", "Column Settings", 3495, 4485);
  auto* column = new QVBoxLayout(frame);
  vsColumnSettings_ = new ColumnSettingsGrid;
  column->addWidget(vsColumnSettings_, 1);
  cmdSelectAll_ = MakeButton("cmdSelectAll", "Select All", 795, 300);
  cmdDeselectAll_ = MakeButton("cmdDeselectAll", "Deselect All", 1035, 300);
  cmdInvertSelection_ = MakeButton("cmdInvertSelection", "Invert Selection", 1335, 300);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {cmdSelectAll_, cmdDeselectAll_, cmdInvertSelection_}) buttons->addWidget(button);
  column->addLayout(buttons);
  return frame;
}

void PreferencesDialog::ConnectControls() {
  connect(cmdBackGround_, &QPushButton::clicked, this, &PreferencesDialog::cmdBackGround_Click);
  connect(chkShowGrid_, &QCheckBox::clicked, this, &PreferencesDialog::chkShowGrid_Click);
  for (const ColorControl& color : colors_)
    connect(color.button, &QPushButton::clicked, this, [this, square = color.square] { ChooseColor(square); });
  connect(cmdStartupFolder_, &QPushButton::clicked, this, &PreferencesDialog::cmdStartupFolder_Click);
  connect(cmdExportLocation_, &QPushButton::clicked, this, &PreferencesDialog::cmdExportLocation_Click);
  connect(cmdSelectAll_, &QPushButton::clicked, vsColumnSettings_, &ColumnSettingsGrid::SelectAll);
  connect(cmdDeselectAll_, &QPushButton::clicked, vsColumnSettings_, &ColumnSettingsGrid::DeselectAll);
  connect(cmdInvertSelection_, &QPushButton::clicked, vsColumnSettings_, &ColumnSettingsGrid::InvertSelection);
  connect(cmdOK_, &QPushButton::clicked, this, &PreferencesDialog::cmdOK_Click);
  connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void PreferencesDialog::Form_Load(const ResultTable& grid) {
  for (const GridStyleEntry& entry : kGridStyleEntries) cmbGridStyles_->addItem(entry.name, entry.code);
  txtBackPicture_->setText(ToQString(settings_.BackPicture));
  // A stored code that no entry carries selects nothing, and OK keeps it.
  cmbGridStyles_->setCurrentIndex(GridStyleIndex(settings_.GridStyle));
  chkShowGrid_->setChecked(settings_.ShowGrid == 1);
  chkShowGrid_Click();
  for (const ColorControl& color : colors_) color.square->SetColor(settings_.*color.field);
  txtStartUpFolder_->setText(ToQString(settings_.StartupFolder));
  txtExportLocation_->setText(ToQString(settings_.ExportLocation));

  // A list the dialog did not write (not five flags) shows what the results grid shows.
  const std::vector<std::string>& visibility = settings_.ColumnVisibility;
  const bool fiveFlags = visibility.size() == 5;
  QStringList captions;
  std::vector<bool> shown;
  for (int column = 0; column < kColumnCount; ++column) {
    captions << QString::fromUtf8(ColumnCaption(static_cast<Column>(column)));
    shown.push_back(fiveFlags ? visibility[column] == "1" : !grid.ColumnHidden(static_cast<Column>(column)));
  }
  vsColumnSettings_->FillColumnSettings(captions, shown);
}

void PreferencesDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  move(screen()->availableGeometry().center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
}

void PreferencesDialog::chkShowGrid_Click() {
  const bool shown = chkShowGrid_->isChecked();
  cmbGridStyles_->setEnabled(shown);
  colors_[0].button->setEnabled(shown);  // the line colour's "..."
}

void PreferencesDialog::ChooseColor(ColorSquare* square) {
  if (const std::optional<QColor> chosen = pickers_.ChooseColor(this, square->Shown()))
    square->SetColor(RgbColor({static_cast<std::uint8_t>(chosen->red()), static_cast<std::uint8_t>(chosen->green()),
                               static_cast<std::uint8_t>(chosen->blue())}));
}

void PreferencesDialog::cmdBackGround_Click() {
  if (const std::optional<QString> chosen = pickers_.ChoosePicture(this, kPictureFilter, lastPicture_)) {
    lastPicture_ = *chosen;
    txtBackPicture_->setText(*chosen);
  }
}

QString PreferencesDialog::ChooseFolder() { return pickers_.ChooseFolder(this, "Select Startup Folder"); }

// Cancelling the chooser empties the box: that is how a folder setting is cleared.
void PreferencesDialog::cmdStartupFolder_Click() { txtStartUpFolder_->setText(ChooseFolder()); }

void PreferencesDialog::cmdExportLocation_Click() { txtExportLocation_->setText(ChooseFolder()); }

void PreferencesDialog::cmdOK_Click() {
  settings_.BackPicture = txtBackPicture_->text().toStdString();
  if (cmbGridStyles_->currentIndex() >= 0)
    settings_.GridStyle = static_cast<std::uint8_t>(cmbGridStyles_->currentData().toUInt());
  settings_.ShowGrid = chkShowGrid_->isChecked() ? 1 : 0;
  for (const ColorControl& color : colors_) settings_.*color.field = color.square->Color();
  settings_.ColumnVisibility = vsColumnSettings_->VisibilityFlags();
  settings_.StartupFolder = txtStartUpFolder_->text().toStdString();
  settings_.ExportLocation = txtExportLocation_->text().toStdString();

  std::string saveError;
  if (!saveSettings_(settings_, saveError))
    pickers_.ShowMessage(this, "Unable to save settings.\r\n\r\n" + ToQString(saveError));
  QString refreshError;
  if (!refreshGrid_(refreshError)) pickers_.ShowMessage(this, refreshError);
  accept();
}

}  // namespace folidex
