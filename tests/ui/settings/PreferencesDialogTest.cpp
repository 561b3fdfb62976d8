#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <deque>
#include <functional>

#include "Named.h"
#include "core/settings/SettingsFile.h"
#include "support/TempTree.h"
#include "ui/app/MainWindow.h"
#include "ui/settings/PreferencesDialog.h"

namespace folidex::test {
namespace {

// Answers the dialogs in the user's place, in the order queued, and notes what was asked.
struct ScriptedPickers : PreferencesPickers {
  std::optional<QColor> ChooseColor(QWidget*, const QColor&) override { return Next(colors); }
  std::optional<QString> ChoosePicture(QWidget*, const QString&, const QString& startFile) override {
    pictureStarts << startFile;
    return Next(pictures);
  }
  QString ChooseFolder(QWidget*, const QString&) override { return Next(folders); }
  void ShowMessage(QWidget*, const QString& message) override { messages << message; }

  template <typename T>
  static T Next(std::deque<T>& answers) {
    if (answers.empty()) qFatal("a dialog opened that the test did not expect");
    T answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::deque<std::optional<QColor>> colors;
  std::deque<std::optional<QString>> pictures;
  std::deque<QString> folders;
  QStringList pictureStarts, messages;
};

}  // namespace

class PreferencesDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    settingsFile_ = program_.Path("Settings/Settings.ini");
    program_.MakeFolder("Settings");
    settings_ = AppSettings{};
    settings_.StartupFolder = program_.MakeFolder("empty");  // what a shown window searches
    pickers_ = ScriptedPickers{};
    window_ = std::make_unique<MainWindow>(settings_, WalkSettings{}, SaveTo(settingsFile_));
  }

  void cleanup() {
    dialog_.reset();
    window_.reset();
  }

  // Every control changed, OK: the file holds the new values in the order of the file, the
  // results grid shows them, and the next opening shows them again.
  void OkStoresEveryControlAndTheGridShowsThem() {
    settings_.ExportLocation = "/old/exports";
    const std::string picture = program_.Path("back.png");
    QImage green(8, 8, QImage::Format_RGB32);
    green.fill(Qt::green);
    QVERIFY(green.save(QString::fromStdString(picture)));
    Open();
    Click("cmdGridColor", QColor(1, 2, 3));
    Click("cmdGridForeColor", QColor(255, 0, 0));
    Click("cmdGridForeColorSel", QColor(0, 255, 0));
    Click("cmdGridBackColor", QColor(0, 0, 255));
    Click("cmdGridBackColorSel", QColor(16, 32, 64));
    Click("cmdGridBackColor", std::nullopt);  // cancelled: keeps blue
    pickers_.pictures = {QString("/pictures/first.bmp"), QString::fromStdString(picture)};
    Find<QPushButton>("cmdBackGround")->click();
    Find<QPushButton>("cmdBackGround")->click();
    Find<QComboBox>("cmbGridStyles")->setCurrentText("Explorer");
    Find<QCheckBox>("chkShowGrid")->click();
    QVERIFY(!Find<QComboBox>("cmbGridStyles")->isEnabled());
    QVERIFY(!Find<QPushButton>("cmdGridColor")->isEnabled());
    pickers_.folders = {QString::fromStdString(program_.Path()), QString()};
    Find<QPushButton>("cmdStartupFolder")->click();
    Find<QPushButton>("cmdExportLocation")->click();  // cancelled: clears the export folder
    Find<QPushButton>("cmdDeselectAll")->click();
    ColumnGrid()->SetVisible(0, true);
    ColumnGrid()->SetVisible(3, true);
    Find<QPushButton>("cmdOK")->click();

    QCOMPARE(dialog_->result(), int(QDialog::Accepted));
    QCOMPARE(pickers_.pictureStarts, (QStringList{"", "/pictures/first.bmp"}));
    QCOMPARE(pickers_.messages, QStringList{});
    QCOMPARE(FileBytes(settingsFile_),
             "[Grid]\r\nBackPicture=" + picture +
                 "\r\nStyle=12\r\nShow/Hide=0\r\nForeColor=255\r\nForeColorSel=65280\r\nBackColor=16711680\r\n"
                 "BackColorSel=4202512\r\nGridColor=197121\r\n[ColumnSetting]\r\nVisibility=1,0,0,1,0\r\n"
                 "[General]\r\nStartupFolder=" +
                 program_.Path() + "\r\nExportLocation=\r\n");

    QTableView* grid = ResultsGrid();
    QCOMPARE(grid->palette().color(QPalette::Base), QColor(0, 0, 255));
    for (int column = 0; column < 5; ++column) QCOMPARE(grid->isColumnHidden(column), column != 0 && column != 3);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    const QImage drawn = grid->grab().toImage();
    QCOMPARE(drawn.pixelColor(drawn.width() / 2, drawn.height() - 5), QColor(Qt::green));

    Open();
    QCOMPARE(Find<QLineEdit>("txtBackPicture")->text(), QString::fromStdString(picture));
    QCOMPARE(Find<QComboBox>("cmbGridStyles")->currentText(), QString("Explorer"));
    QVERIFY(!Find<QCheckBox>("chkShowGrid")->isChecked());
    QVERIFY(!Find<QComboBox>("cmbGridStyles")->isEnabled());
    QCOMPARE(Find<ColorSquare>("shpGridColor")->Color(), 197121);
    QCOMPARE(Find<ColorSquare>("shpGridBackColor")->Color(), 16711680);
    QCOMPARE(Find<QLineEdit>("txtStartUpFolder")->text(), QString::fromStdString(program_.Path()));
    QCOMPARE(Find<QLineEdit>("txtExportLocation")->text(), QString());
    QCOMPARE(ColumnGrid()->VisibilityFlags(), (std::vector<std::string>{"1", "0", "0", "1", "0"}));
  }

  // Cancel, Esc and the close box leave the settings, the file and the grid as they were.
  void CancelChangesNothing() {
    const std::string before = "[Grid]\r\nStyle=4\r\n";
    program_.Write("Settings/Settings.ini", before);
    settings_.GridStyle = 4;
    const AppSettings inMemory = settings_;
    const QColor base = ResultsGrid()->palette().color(QPalette::Base);

    for (const auto& close : {std::function<void()>([this] { Find<QPushButton>("cmdCancel")->click(); }),
                              std::function<void()>([this] { QTest::keyClick(dialog_.get(), Qt::Key_Escape); }),
                              std::function<void()>([this] { dialog_->close(); })}) {
      Open();
      dialog_->show();
      Click("cmdGridBackColor", QColor(0, 0, 255));
      Find<QComboBox>("cmbGridStyles")->setCurrentText("Excel");
      Find<QPushButton>("cmdDeselectAll")->click();
      Find<QLineEdit>("txtBackPicture")->setText("/pictures/new.png");
      close();
      QCOMPARE(dialog_->result(), int(QDialog::Rejected));
      QVERIFY(settings_ == inMemory);
      QCOMPARE(FileBytes(settingsFile_), before);
      QCOMPARE(ResultsGrid()->palette().color(QPalette::Base), base);
      for (int column = 0; column < 5; ++column) QVERIFY(!ResultsGrid()->isColumnHidden(column));
    }
  }

  // The space bar toggles the current row's box from the "Column Name" cell too, and a
  // click on the box in the middle of its cell toggles it.
  void SpaceOnTheColumnNameOfSizeTogglesItsBox() {
    Open();
    dialog_->show();
    ColumnSettingsGrid* grid = ColumnGrid();
    QCOMPARE(grid->item(2, 1)->text(), QString("Size"));
    grid->setCurrentCell(2, 1);
    QTest::keyClick(grid, Qt::Key_Space);
    QCOMPARE(grid->VisibilityFlags(), (std::vector<std::string>{"1", "1", "0", "1", "1"}));
    QTest::keyClick(grid, Qt::Key_Space);
    QCOMPARE(grid->VisibilityFlags(), (std::vector<std::string>{"1", "1", "1", "1", "1"}));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(1, 2)).center());
    QCOMPARE(grid->VisibilityFlags(), (std::vector<std::string>{"1", "0", "1", "1", "1"}));
  }

  // Stored values the dialog would not write: a style no entry carries is kept unless the
  // user picks one, and a visibility list of other than five flags shows the grid's columns.
  void ForeignStoredValuesOpenAsTheGridShowsThem() {
    settings_.GridStyle = 7;
    settings_.ColumnVisibility = {"1", "0", "1"};
    window_ = std::make_unique<MainWindow>(settings_, WalkSettings{}, SaveTo(settingsFile_));
    Open();
    QCOMPARE(Find<QComboBox>("cmbGridStyles")->currentIndex(), -1);
    QCOMPARE(ColumnGrid()->VisibilityFlags(), (std::vector<std::string>{"1", "0", "1", "1", "1"}));
    Find<QPushButton>("cmdOK")->click();
    QCOMPARE(int(settings_.GridStyle), 7);
    QVERIFY(FileBytes(settingsFile_).find("\r\nStyle=7\r\n") != std::string::npos);
  }

  // A failed save and a picture that cannot be loaded are each reported; the new values
  // still apply to the grid and the dialog closes.
  void FailuresAreReportedAndTheRestStillApplies() {
    settingsFile_ = program_.Path("missing/Settings.ini");
    Open();
    Find<QLineEdit>("txtBackPicture")->setText("/no/such/picture.png");
    Find<QPushButton>("cmdDeselectAll")->click();
    Find<QPushButton>("cmdOK")->click();

    QCOMPARE(pickers_.messages.size(), 2);
    QVERIFY(pickers_.messages[0].startsWith("Unable to save settings.\r\n\r\n"));
    QVERIFY(pickers_.messages[0].size() > QString("Unable to save settings.\r\n\r\n").size());
    QCOMPARE(pickers_.messages[1], QString("Unable to load the background picture.\r\n\r\n/no/such/picture.png"));
    QCOMPARE(dialog_->result(), int(QDialog::Accepted));
    QCOMPARE(settings_.ColumnVisibility, (std::vector<std::string>{"0", "0", "0", "0", "0"}));
    for (int column = 0; column < 5; ++column) QVERIFY(ResultsGrid()->isColumnHidden(column));
  }

 private:
  static SaveSettingsFunction SaveTo(const std::string& file) {
    return [file](const AppSettings& settings, std::string& error) { return SaveSettings(file, settings, error); };
  }

  void Open() {
    dialog_ = std::make_unique<PreferencesDialog>(
        settings_, static_cast<ResultModel&>(*ResultsGrid()->model()).Table(), SaveTo(settingsFile_),
        [this](QString& error) { return window_->RefreshGrid(error); }, pickers_);
  }

  template <typename Control>
  Control* Find(const char* name) const {
    return Named<Control>(*dialog_, name);
  }

  ColumnSettingsGrid* ColumnGrid() const { return Find<ColumnSettingsGrid>("vsColumnSettings"); }
  QTableView* ResultsGrid() const { return window_->findChild<QTableView*>("vsFiles"); }

  // Clicks a colour "..." button; the colour dialog answers `answer`.
  void Click(const char* button, std::optional<QColor> answer) {
    pickers_.colors.push_back(answer);
    Find<QPushButton>(button)->click();
  }

  TempTree program_;
  std::string settingsFile_;
  AppSettings settings_;
  ScriptedPickers pickers_;
  std::unique_ptr<MainWindow> window_;
  std::unique_ptr<PreferencesDialog> dialog_;
};

}  // namespace folidex::test

QTEST_MAIN(folidex::test::PreferencesDialogTest)
#include "PreferencesDialogTest.moc"
