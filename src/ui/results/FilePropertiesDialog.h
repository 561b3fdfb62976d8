#pragma once

#include <QDialog>
#include <QString>
#include <atomic>
#include <memory>

#include "core/pdf/PageCount.h"

namespace folidex {

class ScrollingLabel;

// Our own properties window of a listed file, for desktops whose file manager shows none:
// name, folder, size, the three times, permissions, owner, pages (and for a file that
// could not be counted, why) and the pages by paper size, which it reads from the file in
// the background once it has opened.
class FilePropertiesDialog : public QDialog {
  Q_OBJECT

 public:
  FilePropertiesDialog(const QString& path, const PageCount& pages, QWidget* parent = nullptr);
  ~FilePropertiesDialog() override;

 private:
  void ReadPaperSizesAside(const QString& path, const PageCount& pages);

  ScrollingLabel* paperSizes_ = nullptr;
  // Set when the window goes, so that a read still running stops.
  std::shared_ptr<std::atomic<bool>> closed_ = std::make_shared<std::atomic<bool>>(false);
};

}  // namespace folidex
