#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "core/results/ResultTable.h"
#include "core/settings/AppSettings.h"
#include "ui/settings/ColorSquare.h"
#include "ui/settings/ColumnSettingsGrid.h"
#include "ui/settings/PreferencesPickers.h"

namespace folidex {

// Stores the settings; false with the reason in `error`.
using SaveSettingsFunction = std::function<bool(const AppSettings& settings, std::string& error)>;
// Applies the settings to the results grid again; false with the text to show in `error`.
using RefreshGridFunction = std::function<bool(QString& error)>;

// The modal "Preferences" dialog. It opens with the controls filled from `settings`;
// OK copies them into `settings`, saves them and refreshes the results grid, reporting
// each failure; Cancel, Esc and the close box change nothing.
class PreferencesDialog : public QDialog {
  Q_OBJECT

 public:
  // `grid` is the result table the results grid shows: its header captions and which of
  // its columns are shown.
  PreferencesDialog(AppSettings& settings, const ResultTable& grid, SaveSettingsFunction saveSettings,
                    RefreshGridFunction refreshGrid, PreferencesPickers& pickers, QWidget* parent = nullptr);

  void chkShowGrid_Click();
  void cmdBackGround_Click();
  void cmdStartupFolder_Click();
  void cmdExportLocation_Click();
  void cmdOK_Click();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // A colour square, its "..." button and the setting it edits.
  struct ColorControl {
    ColorSquare* square;
    QPushButton* button;
    std::int32_t AppSettings::*field;
  };

  QGroupBox* BuildGridFrame();
  QGroupBox* BuildGeneralFrame();
  QGroupBox* BuildColumnFrame();
  void ConnectControls();
  void Form_Load(const ResultTable& grid);
  void ChooseColor(ColorSquare* square);
  QString ChooseFolder();

  AppSettings& settings_;
  SaveSettingsFunction saveSettings_;
  RefreshGridFunction refreshGrid_;
  PreferencesPickers& pickers_;
  QString lastPicture_;  // where the next picture choice starts

  QLineEdit* txtBackPicture_;
  QPushButton* cmdBackGround_;
  QCheckBox* chkShowGrid_;
  QComboBox* cmbGridStyles_;
  std::array<ColorControl, 5> colors_;
  QLineEdit* txtStartUpFolder_;
  QPushButton* cmdStartupFolder_;
  QLineEdit* txtExportLocation_;
  QPushButton* cmdExportLocation_;
  ColumnSettingsGrid* vsColumnSettings_;
  QPushButton* cmdSelectAll_;
  QPushButton* cmdDeselectAll_;
  QPushButton* cmdInvertSelection_;
  QPushButton* cmdOK_;
  QPushButton* cmdCancel_;
};

}  // namespace folidex
