#include "ui/settings/PreferencesDialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QScreen>

#include "ui/app/CaptionColor.h"
#include "ui/app/PlaceControl.h"
#include "ui/settings/GridStyleEntries.h"

namespace folidex {
namespace {

constexpr int kClientWidth = 9120;   // twips
constexpr int kClientHeight = 5100;  // twips
constexpr int kTextHeight = 285;     // twips, one-line text boxes and labels
constexpr int kFolderTextLimit = 500;
const char* const kPictureFilter = "Bitmap Image (*.bmp);;JPEG Image (*.jpg);;GIF Image (*.gif)";

// A colour's row in the grid frame: its label, its square and the "..." button beside it.
struct ColorPlace {
  const char* label;
  int labelLeft;
  const char* square;
  const char* button;
  int squareLeft;
  int top;
  std::int32_t AppSettings::*field;
};
constexpr int kSquareToButton = 330;  // twips from a colour square's left to its button's
// The line colour comes first: "Show Grid" enables its button.
constexpr ColorPlace kColorPlaces[] = {
    {"Line Color", 3660, "shpGridColor", "cmdGridColor", 4560, 1290, &AppSettings::GridColor},
    {"Fore Color", 180, "shpGridForeColor", "cmdGridForeColor", 1110, 1890, &AppSettings::ForeColor},
    {"Fore Color Selection", 2880, "shpGridForeColorSel", "cmdGridForeColorSel", 4560, 1890,
     &AppSettings::ForeColorSel},
    {"Back Color", 180, "shpGridBackColor", "cmdGridBackColor", 1110, 2460, &AppSettings::BackColor},
    {"Back Color Selection", 2880, "shpGridBackColorSel", "cmdGridBackColorSel", 4560, 2460,
     &AppSettings::BackColorSel},
};

// Places `control` at `left`, `top` in twips inside its parent; a width of 0 takes the
// control's own width.
void Place(QWidget* control, int left, int top, int width = 0, int height = kTextHeight) {
  if (width == 0) width = PixelsToTwips(control->sizeHint().width());
  PlaceControl(control, {left, top, width, height});
}

void AddLabel(QWidget* frame, const QString& caption, int left, int top) {
  auto* label = new QLabel(caption, frame);
  PaintCaptionDarkBlue(label);
  Place(label, left, top);
}

QGroupBox* AddFrame(QWidget* dialog, const char* name, const QString& caption, const TwipRect& place) {
  auto* frame = new QGroupBox(caption, dialog);
  frame->setObjectName(name);
  frame->setGeometry(ToPixels(place));
  return frame;
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption, const TwipRect& place) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  PlaceControl(button, place);
  return button;
}

// A "..." button of 315 x 285 twips.
QPushButton* AddBrowseButton(QWidget* frame, const char* name, int left, int top) {
  return AddButton(frame, name, "...", {left, top, 315, 285});
}

QLineEdit* AddTextBox(QWidget* frame, const char* name, int left, int top, int width) {
  auto* box = new QLineEdit(frame);
  box->setObjectName(name);
  Place(box, left, top, width);
  return box;
}

// A read-only folder box: only its "..." button changes it.
QLineEdit* AddFolderBox(QWidget* frame, const char* name, int top) {
  QLineEdit* box = AddTextBox(frame, name, 1365, top, 3495);
  box->setMaxLength(kFolderTextLimit);
  box->setReadOnly(true);
  return box;
}

ColorSquare* AddColorSquare(QWidget* frame, const char* name, int left, int top) {
  auto* square = new ColorSquare(frame);
  square->setObjectName(name);
  square->setGeometry(ToPixels({left, top, 270, 270}));
  return square;
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
  // The layout is measured for a sans-serif font of 8 points, 11 pixels high, of Arial's
  // width; a larger or wider system font would cut the captions off.
  QFont designFont = font();
  designFont.setFamilies({"Arial", designFont.family()});
  designFont.setPixelSize(11);
  setFont(designFont);
  setFixedSize(ToPixels({0, 0, kClientWidth, kClientHeight}).size());
  BuildGridFrame();
  BuildGeneralFrame();
  BuildColumnFrame();
  cmdOK_ = AddButton(this, "cmdOK", "&OK", {6780, 4680, 1095, 345});
  cmdCancel_ = AddButton(this, "cmdCancel", "&Cancel", {7950, 4680, 1095, 345});
  cmdOK_->setDefault(true);
  ConnectControls();
  Form_Load(grid);
}

void PreferencesDialog::BuildGridFrame() {
  QGroupBox* frame = AddFrame(this, "fraGrid", "Grid Settings", {90, 90, 5385, 3015});
  AddLabel(frame, "BackGround Picture", 180, 360);
  txtBackPicture_ = AddTextBox(frame, "txtBackPicture", 1680, 360, 3165);
  cmdBackGround_ = AddBrowseButton(frame, "cmdBackGround", 4890, 360);

  chkShowGrid_ = new QCheckBox("Show Grid", frame);
  chkShowGrid_->setObjectName("chkShowGrid");
  PaintCaptionDarkBlue(chkShowGrid_);
  Place(chkShowGrid_, 180, 840);

  AddLabel(frame, "Line Style", 180, 1290);
  cmbGridStyles_ = new QComboBox(frame);
  cmbGridStyles_->setObjectName("cmbGridStyles");
  Place(cmbGridStyles_, 990, 1290, 2055, 315);
  static_assert(std::size(kColorPlaces) == std::tuple_size_v<decltype(colors_)>);
  for (std::size_t i = 0; i < colors_.size(); ++i) {
    const ColorPlace& place = kColorPlaces[i];
    AddLabel(frame, place.label, place.labelLeft, place.top);
    colors_[i] = {AddColorSquare(frame, place.square, place.squareLeft, place.top),
                  AddBrowseButton(frame, place.button, place.squareLeft + kSquareToButton, place.top), place.field};
  }
}

void PreferencesDialog::BuildGeneralFrame() {
  QGroupBox* frame = AddFrame(this, "fraProgram", "General Settings", {90, 3150, 5385, 1425});
  AddLabel(frame, "Startup Folder", 150, 420);
  txtStartUpFolder_ = AddFolderBox(frame, "txtStartUpFolder", 420);
  cmdStartupFolder_ = AddBrowseButton(frame, "cmdStartupFolder", 4890, 420);
  AddLabel(frame, "Export Location", 150, 900);
  txtExportLocation_ = AddFolderBox(frame, "txtExportLocation", 900);
  cmdExportLocation_ = AddBrowseButton(frame, "cmdExportLocation", 4890, 900);
}

void PreferencesDialog::BuildColumnFrame() {
  QGroupBox* frame = AddFrame(this, "fmeColumnSettings", "Column Settings", {5550, 90, 3495, 4485});
  vsColumnSettings_ = new ColumnSettingsGrid(frame);
  vsColumnSettings_->setGeometry(ToPixels({120, 270, 3255, 3855}));
  cmdSelectAll_ = AddButton(frame, "cmdSelectAll", "Select All", {120, 4140, 795, 300});
  cmdDeselectAll_ = AddButton(frame, "cmdDeselectAll", "Deselect All", {960, 4140, 1035, 300});
  cmdInvertSelection_ = AddButton(frame, "cmdInvertSelection", "Invert Selection", {2040, 4140, 1335, 300});
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
