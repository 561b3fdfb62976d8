#pragma once

#include <QObject>
#include <memory>

#include "ui/results/DeletePrompts.h"
#include "ui/results/Desktop.h"
#include "ui/results/ResultGrid.h"

namespace folidex {

// The commands on listed files. "Open", "Properties..." and "Show Containing Folder" act
// on the cursor row's file and do nothing while the cursor stands on no data row;
// "Delete" acts on every selected row.
class FileActions : public QObject {
  Q_OBJECT

 public:
  FileActions(ResultGrid& grid, std::unique_ptr<Desktop> desktop, std::unique_ptr<DeletePrompts> prompts,
              QObject* parent = nullptr);

  void mnuFileOpen_Click();
  void mnuFileProperties_Click();
  void mnuFileShowContainingFolder_Click();
  // Asks first; then deletes the selected rows' files in row order, into the Trash where
  // their file system has one, hiding each row once its file is gone, and stops with a
  // message at the first file that cannot go.
  void mnuFileDelete_Click();

 private:
  ResultModel& Model() const { return grid_.Model(); }
  // The cursor row's file, or nothing on no data row.
  const FoundFile* CursorFile() const;

  ResultGrid& grid_;
  std::unique_ptr<Desktop> desktop_;
  std::unique_ptr<DeletePrompts> prompts_;
};

}  // namespace folidex
