#include "ui/export/ExportGrid.h"

#include <filesystem>
#include <string>

#include "core/export/ExportWriter.h"
#include "ui/export/ExportDialog.h"

namespace folidex {

ExportPrompts ExportPrompts::ForWindow(QWidget* parent, const AppSettings& settings) {
  return {[parent, &settings] {
            ExportDialog dialog(settings.ExportLocation, {}, parent);
            dialog.exec();
            return ExportChoice{dialog.FileName(), dialog.ColumnSaperator()};
          },
          InformationBox(parent)};
}

void ExportGrid(const ResultTable& table, const ExportPrompts& prompts) {
  const ExportRows rows = TakeExportSnapshot(table);
  const ExportChoice choice = prompts.openDialog();
  // The close box leaves no name: nothing was chosen, so it ends like "&Cancel".
  if (choice.fileName.isEmpty() || choice.fileName == ExportDialog::kCancelled) return;

  const std::filesystem::path target(choice.fileName.toStdString());
  std::string error;
  if (!WriteExport(rows, ExportSeparator(target, choice.columnSaperator.toStdString()), target, error)) {
    prompts.showMessage("Unable to export data.\r\n\r\n" + QString::fromStdString(error));
    return;
  }
  prompts.showMessage("Meta Data exported successfully to " + choice.fileName);
}

void ExportFoundFiles(const ResultTable& table, const ExportPrompts& prompts) {
  if (table.Empty()) {
    prompts.showMessage("No files found to export.");
    return;
  }
  ExportGrid(table, prompts);
}

}  // namespace folidex
