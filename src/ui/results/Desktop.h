#pragma once

#include <QString>
#include <QWidget>

#include "core/pdf/PageCount.h"

namespace folidex {

// What the desktop does with a listed file. None of it waits for the program or window
// it starts, and none of it reports a failure.
class Desktop {
 public:
  virtual ~Desktop() = default;

  // Opens the file with the program associated with its type.
  virtual void OpenFile(const QString& path) = 0;
  // Opens the folder that holds the file, with the file selected where the file manager can.
  virtual void ShowContainingFolder(const QString& path) = 0;
  // Shows the file's properties; `pages` is its page count, for our own properties window.
  virtual void ShowFileProperties(const QString& path, const PageCount& pages, QWidget* owner) = 0;
};

// The freedesktop.org services: QDesktopServices for opening, and the file manager's
// org.freedesktop.FileManager1 interface over D-Bus where one answers; without one the
// folder itself is opened, and the properties are shown in our own window.
class FreedesktopDesktop : public Desktop {
 public:
  void OpenFile(const QString& path) override;
  void ShowContainingFolder(const QString& path) override;
  void ShowFileProperties(const QString& path, const PageCount& pages, QWidget* owner) override;
};

}  // namespace folidex
