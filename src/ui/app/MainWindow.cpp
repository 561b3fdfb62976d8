#include "ui/app/MainWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPixmap>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <utility>

#include "ui/about/HelpMenu.h"
#include "ui/app/CaptionColor.h"
#include "ui/app/DesignSize.h"
#include "ui/app/FolderDrops.h"
#include "ui/export/ExportGrid.h"
#include "ui/results/FileActions.h"

namespace folidex {
namespace {

constexpr int kDesignClientWidth = 9480;   // twips
constexpr int kDesignClientHeight = 8310;  // twips
constexpr int kTreePaneWidth = 3500;       // twips, the tree pane's starting width
constexpr int kGridPaneMinimum = 2500;     // twips, the narrowest a drag leaves the grid

QFrame* MakeRule(QWidget* parent) {
  auto* rule = new QFrame(parent);
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  return rule;
}

QString ToQString(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

MainWindow::MainWindow(AppSettings& settings, WalkSettings walkSettings, SaveSettingsFunction saveSettings,
                       QWidget* parent)
    : QMainWindow(parent),
      settings_(settings),
      saveSettings_(std::move(saveSettings)),
      runner_(model_, criteria_, std::move(walkSettings)),
      client_(new QWidget(this)),
      line1_(MakeRule(client_)),
      line2_(MakeRule(client_)),
      fmeAddressBar_(new QWidget(client_)),
      lblAddress_(new QLabel("Address", fmeAddressBar_)),
      txtAddress_(new QLineEdit(fmeAddressBar_)),
      spSplitter_(new QSplitter(Qt::Horizontal, client_)),
      ftv_(new FolderTree(spSplitter_)),
      vsFiles_(new ResultGrid(model_, spSplitter_)),
      lblPageCount_(new QLabel(client_)),
      fmeAdvancedSearchOptions_(new AdvancedSearchOptions(client_)),
      fmeSearch_(new SearchBar(client_)),
      sbGeneral_(new StatusPanels(this)),
      menus_(BuildMainMenus(*menuBar(), *this)) {
  setObjectName("frmMain");
  setWindowTitle("Folidex");
  setCentralWidget(client_);
  setStatusBar(sbGeneral_);
  lblPageCount_->setObjectName("lblPageCount");
  txtAddress_->setObjectName("txtAddress");
  spSplitter_->setObjectName("spSplitter");
  for (QWidget* caption : {static_cast<QWidget*>(lblAddress_), static_cast<QWidget*>(lblPageCount_),
                           static_cast<QWidget*>(fmeAdvancedSearchOptions_)})
    PaintCaptionDarkBlue(caption);
  QFont bold = lblPageCount_->font();
  bold.setBold(true);
  lblPageCount_->setFont(bold);
  lblPageCount_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  spSplitter_->setChildrenCollapsible(false);
  spSplitter_->setStretchFactor(0, 0);
  spSplitter_->setStretchFactor(1, 1);
  vsFiles_->setMinimumWidth(TwipsToPixels(kGridPaneMinimum));
  spSplitter_->setSizes({TwipsToPixels(kTreePaneWidth), TwipsToPixels(kGridPaneMinimum)});
  ConnectControls();
  QCoreApplication::instance()->installEventFilter(this);

  ApplySettings();
  vsFiles_->SetupGrid(settings_.ColumnVisibility);
  txtAddress_->setReadOnly(true);
  ShowSearchDefaults();
  ShowResultTexts();
}

MainWindow::~MainWindow() { runner_.Stop(); }

void MainWindow::ConnectControls() {
  connect(ftv_, &FolderTree::FolderSelected, this, &MainWindow::ftv_FolderSelected);
  connect(ftv_, &FolderTree::Triggered, this, &MainWindow::cmdSearch_Click);
  connect(fmeSearch_->SearchButton(), &QPushButton::clicked, this, &MainWindow::cmdSearch_Click);
  connect(fmeSearch_->ShowHideButton(), &QPushButton::clicked, this, &MainWindow::cmdShowHideAdvanceSearch_Click);
  connect(fmeSearch_, &SearchBar::Edited, this, &MainWindow::PublishCriteria);
  connect(fmeAdvancedSearchOptions_, &AdvancedSearchOptions::Edited, this, &MainWindow::PublishCriteria);
  connect(&model_, &ResultModel::TextsChanged, this, &MainWindow::ShowResultTexts);
  connect(&model_, &ResultModel::SelectedFilesChanged, this,
          [this] { sbGeneral_->ShowSelection(model_.SummarizeSelection()); });
  connect(&runner_, &SearchRunner::Finished, this, [this] {
    sbGeneral_->ShowSearching(false);
    fmeSearch_->SearchButton()->setText("&Search");
    if (std::exchange(searchWhenStopped_, false)) cmdSearch_Click();
  });
  new FolderDrops(*this, [this](const QString& folder) { SearchFolder(folder); });
  connect(vsFiles_, &ResultGrid::ContextMenuRequested, menus_.popup,
          [this](const QPoint& at) { menus_.popup->popup(at); });
  connect(menus_.editSelectAll, &QAction::triggered, &model_, &ResultModel::SelectAll);
  connect(menus_.editInvertSelection, &QAction::triggered, &model_, &ResultModel::InvertSelection);
  connect(fmeSearch_->ExportButton(), &QPushButton::clicked, this,
          [this] { ExportFoundFiles(model_.Table(), ExportPrompts::ForWindow(this, settings_)); });
  connect(menus_.toolsExport, &QAction::triggered, this,
          [this] { ExportGrid(model_.Table(), ExportPrompts::ForWindow(this, settings_)); });
  auto* fileActions = new FileActions(*vsFiles_, std::make_unique<FreedesktopDesktop>(),
                                      std::make_unique<StandardDeletePrompts>(), this);
  connect(menus_.fileOpen, &QAction::triggered, fileActions, &FileActions::mnuFileOpen_Click);
  connect(menus_.fileDelete, &QAction::triggered, fileActions, &FileActions::mnuFileDelete_Click);
  connect(menus_.fileProperties, &QAction::triggered, fileActions, &FileActions::mnuFileProperties_Click);
  connect(menus_.fileShowContainingFolder, &QAction::triggered, fileActions,
          &FileActions::mnuFileShowContainingFolder_Click);
  auto* deleteKey = new QShortcut(Qt::Key_Delete, vsFiles_, nullptr, nullptr, Qt::WidgetShortcut);
  connect(deleteKey, &QShortcut::activated, menus_.fileDelete, &QAction::trigger);
  menus_.toolsPreferences->setEnabled(static_cast<bool>(saveSettings_));
  connect(menus_.toolsPreferences, &QAction::triggered, this, &MainWindow::mnuPreferences_Click);
  new HelpMenu(menus_, *this, QCoreApplication::applicationDirPath());
  connect(menus_.fileExit, &QAction::triggered, this, [this] {
    close();
    QCoreApplication::quit();
  });
}

void MainWindow::ApplySettings() {
  QPixmap picture;  // stays empty when the file cannot be loaded: no picture then
  if (!settings_.BackPicture.empty()) picture.load(ToQString(settings_.BackPicture));
  vsFiles_->SetBackgroundPicture(picture);
  vsFiles_->SetAppearance(AppearanceFromSettings(settings_, palette()));
  if (!ftv_->SelectFolder(ToQString(settings_.StartupFolder))) ftv_->SelectDefaultFolder();
}

bool MainWindow::RefreshGrid(QString& error) {
  QPixmap picture;  // stays empty, no picture, when the file cannot be loaded
  const bool loaded = settings_.BackPicture.empty() || picture.load(ToQString(settings_.BackPicture));
  vsFiles_->SetBackgroundPicture(picture);
  vsFiles_->SetAppearance(AppearanceFromSettings(settings_, palette()));
  model_.SetColumnVisibility(settings_.ColumnVisibility, false);
  if (!loaded) error = "Unable to load the background picture.\r\n\r\n" + ToQString(settings_.BackPicture);
  return loaded;
}

void MainWindow::mnuPreferences_Click() {
  StandardPreferencesPickers pickers;
  PreferencesDialog dialog(
      settings_, model_.Table(), saveSettings_, [this](QString& error) { return RefreshGrid(error); }, pickers, this);
  dialog.exec();
}

void MainWindow::ShowSearchDefaults() {
  const SearchCriteria defaults = DefaultSearchCriteria(LocalNow());
  fmeSearch_->Show(defaults);
  fmeAdvancedSearchOptions_->Show(defaults);
  PublishCriteria();
}

void MainWindow::PublishCriteria() {
  SearchCriteria criteria;
  fmeSearch_->ReadInto(criteria);
  fmeAdvancedSearchOptions_->ReadInto(criteria);
  criteria_.Set(std::move(criteria));
}

void MainWindow::ShowResultTexts() {
  const ResultTable& table = model_.Table();
  for (const StatusPanel panel : {StatusPanel::Message, StatusPanel::Files})
    sbGeneral_->SetText(panel, ToQString(table.StatusText(panel)));
  lblPageCount_->setText(ToQString(table.TotalText()));
}

void MainWindow::ftv_FolderSelected(const QString& path) {
  const QString folder = path.endsWith('/') ? path : path + '/';
  searchFolder_ = folder.toStdString();
  txtAddress_->setText(folder);
}

void MainWindow::cmdSearch_Click() {
  if (runner_.Running()) {
    runner_.RequestCancel();
    return;
  }
  fmeSearch_->SearchButton()->setText("&Cancel");
  sbGeneral_->ShowSearching(true);
  runner_.Start(searchFolder_);
}

bool MainWindow::SelectSearchFolder(const QString& folder) { return ftv_->SelectFolder(folder); }

void MainWindow::SearchFolder(const QString& folder) {
  if (!SelectSearchFolder(folder)) return;
  if (runner_.Running()) {
    searchWhenStopped_ = true;
    runner_.RequestCancel();
    return;
  }
  cmdSearch_Click();
}

bool MainWindow::event(QEvent* event) {
  const bool handled = QMainWindow::event(event);
  if (event->type() == QEvent::WindowActivate && firstShowing_) Form_FirstActivate();
  return handled;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->window() == this &&
      static_cast<QKeyEvent*>(event)->keyCombination() == menus_.fileExit->shortcut()[0]) {
    return true;  // not accepted: the shortcut goes to "E&xit"
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::Form_FirstActivate() {
  firstShowing_ = false;
  searchFolder_ = ftv_->SelectedFolder().toStdString();  // as the tree reports it
  cmdSearch_Click();
  vsFiles_->setFocus();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  runner_.Stop();
  QMainWindow::closeEvent(event);
}

void MainWindow::showEvent(QShowEvent* event) {
  if (!opened_) {
    opened_ = true;
    ResizeToOpeningSize();
  }
  QMainWindow::showEvent(event);
}

void MainWindow::ResizeToOpeningSize() {
  // The grid shows every visible column at its width beside its vertical scroll bar.
  int gridWidth = 2 * vsFiles_->frameWidth() +
                  vsFiles_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, vsFiles_->verticalScrollBar());
  for (int column = 0; column < vsFiles_->model()->columnCount(); ++column)
    if (!vsFiles_->isColumnHidden(column)) gridWidth += vsFiles_->columnWidth(column);
  const int treeWidth = TwipsToPixels(kTreePaneWidth);
  const int splitWidth = treeWidth + spSplitter_->handleWidth() + gridWidth;
  // The window's width around the split panel, as the layout rules leave it.
  const int besideSplit = TwipsToPixels(kMinWindowWidth) -
                          ToPixels(LayoutOnResize({kMinWindowWidth, kMinWindowHeight}, 0, true).splitPanel).width();
  const QSize frame = frameGeometry().size() - size();
  const int neededWidth = splitWidth + besideSplit;
  QSize opening(std::max(neededWidth - frame.width(), TwipsToPixels(kDesignClientWidth)),
                TwipsToPixels(kDesignClientHeight));
  if (const QScreen* screen = this->screen()) opening = opening.boundedTo(screen->availableGeometry().size() - frame);
  opening = opening.expandedTo(minimumSizeHint());
  // On a screen too narrow for all of it, the tree pane gives up room so that the grid's
  // columns, and the counts in its last one, stay in sight.
  const int shortfall = std::max(0, neededWidth - frame.width() - opening.width());
  spSplitter_->setSizes({std::max(treeWidth - shortfall, ftv_->minimumSizeHint().width()), gridWidth});
  resize(opening);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (isMinimized()) return;
  // The window system learns the minimum that the layout rules enforce; the rule below
  // still holds where it does not keep to it.
  setMinimumSize(minimumSizeHint());
  OuterSize outer{PixelsToTwips(frameGeometry().width()), PixelsToTwips(frameGeometry().height())};
  // The window system may apply the new size without another resize event, so the layout
  // is made for the new size at once.
  if (const std::optional<OuterSize> minimum = SnapToMinimum(outer)) {
    resize(width() + TwipsToPixels(minimum->width - outer.width),
           height() + TwipsToPixels(minimum->height - outer.height));
    outer = *minimum;
  }
  layout_ = LayoutOnResize(outer, PixelsToTwips(sbGeneral_->sizeHint().height()), advancedOptionsShown_, FittedSizes());
  ApplyLayout();
}

QSize MainWindow::minimumSizeHint() const {
  const QSize minimumOuter(TwipsToPixels(kMinWindowWidth), TwipsToPixels(kMinWindowHeight));
  return minimumOuter - (frameGeometry().size() - size());
}

ControlSizes MainWindow::FittedSizes() const {
  ControlSizes sizes;
  GrowToFit(sizes.addressLabelWidth, lblAddress_->sizeHint().width());
  GrowToFit(sizes.addressLabelHeight, lblAddress_->sizeHint().height());
  GrowToFit(sizes.addressTextHeight, txtAddress_->sizeHint().height());
  GrowToFit(sizes.totalLabelHeight, lblPageCount_->sizeHint().height());
  GrowToFit(sizes.advancedOptionsHeight, fmeAdvancedSearchOptions_->minimumSizeHint().height());
  fmeSearch_->FitSizes(sizes);
  return sizes;
}

void MainWindow::cmdShowHideAdvanceSearch_Click() {
  advancedOptionsShown_ = !advancedOptionsShown_;
  fmeAdvancedSearchOptions_->setVisible(advancedOptionsShown_);
  fmeSearch_->ShowHideButton()->setText(advancedOptionsShown_ ? "Hide Advance Option" : "Show Advance Option");
  LayoutAfterShowHide(layout_, PixelsToTwips(client_->height()), advancedOptionsShown_);
  ApplyLayout();
}

void MainWindow::ApplyLayout() {
  const int lineEnd = TwipsToPixels(layout_.lineEnd);
  line1_->setGeometry(0, TwipsToPixels(kLine1Y), lineEnd, 2);
  line2_->setGeometry(TwipsToPixels(-30), TwipsToPixels(layout_.line2Y), lineEnd + TwipsToPixels(30), 2);
  fmeAddressBar_->setGeometry(ToPixels(layout_.addressBar));
  lblAddress_->setGeometry(ToPixels(layout_.addressLabel));
  txtAddress_->setGeometry(ToPixels(layout_.addressText));
  spSplitter_->setGeometry(ToPixels(layout_.splitPanel));
  lblPageCount_->setGeometry(ToPixels(layout_.totalLabel));
  fmeAdvancedSearchOptions_->setGeometry(ToPixels(layout_.advancedOptions));
  fmeSearch_->setGeometry(ToPixels(layout_.searchBar));
  fmeSearch_->Arrange(layout_);
}

}  // namespace folidex
