#pragma once

#include <QString>
#include <QWidget>
#include <functional>

#include "core/results/ResultTable.h"
#include "core/settings/AppSettings.h"
#include "ui/export/InformationBox.h"

namespace folidex {

// What the export dialog leaves behind once it has closed.
struct ExportChoice {
  QString fileName;         // the target, ExportDialog::kCancelled, or empty after the close box
  QString columnSaperator;  // empty for the types that use TAB
};

// How an export talks to the user: the modal export dialog and the message box.
struct ExportPrompts {
  std::function<ExportChoice()> openDialog;
  ShowMessageFunction showMessage;

  // The export dialog, starting in the settings' export location, and the message box,
  // both over `parent`. `settings` must outlive the prompts.
  static ExportPrompts ForWindow(QWidget* parent, const AppSettings& settings);
};

// The whole export: copies the table's rows (header, every row in its current order,
// hidden rows too, the visible columns only) before the dialog opens, so a search that
// goes on meanwhile does not change the file; then writes the target the user chose and
// says whether that worked. A cancelled dialog writes nothing and says nothing.
void ExportGrid(const ResultTable& table, const ExportPrompts& prompts);

// The "Export" button: as ExportGrid, but only when the table has a data row.
void ExportFoundFiles(const ResultTable& table, const ExportPrompts& prompts);

}  // namespace folidex
