#include "ui/about/AboutActions.h"

#include <QDesktopServices>

#include "ui/about/SystemInfoLauncher.h"
#include "ui/app/MessageBoxes.h"

namespace folidex {

AboutActions AboutActions::ForDesktop() {
  return AboutActions{
      .open = [](const QUrl& target) { QDesktopServices::openUrl(target); },
      .startSysInfo = StartSystemInformation,
      .showPlainMessage = ShowPlainMessage,
  };
}

}  // namespace folidex
