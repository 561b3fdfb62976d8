#pragma once

#include <QString>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "core/search/FolderWalk.h"
#include "core/settings/AppSettings.h"
#include "ui/app/MainWindow.h"
#include "ui/app/SplashWindow.h"

namespace folidex {

struct StartupOptions {
  // Fills the settings; false with the reason in `message` when they cannot be loaded.
  std::function<bool(AppSettings& settings, std::string& message)> loadSettings;
  // Stores the settings when the preferences are confirmed; false with the reason in `error`.
  SaveSettingsFunction saveSettings;
  // Tells the user why the settings could not be loaded.
  std::function<void(const QString& message)> showMessage = ShowMessage;
  int splashMilliseconds = SplashWindow::kShowMilliseconds;
  WalkSettings walkSettings;
  // A folder given on the command line (or a file, for the folder that holds it) to search
  // first instead of the start-up folder; empty for none.
  QString pathToOpen;

  // The message box of the program: title "Folidex", the information icon, one OK button.
  static void ShowMessage(const QString& message);
  // The settings file of a program installed in `executableFolder`.
  static StartupOptions ForExecutableFolder(const std::filesystem::path& executableFolder);
};

// The start-up sequence: loads the settings (on failure tells the user and returns no
// window), builds the main window hidden, selects the path to open in its folder tree (a
// path that cannot be opened is reported, and the start-up folder stays), shows the
// splash window modally until its timer closes it, then shows the main window and
// returns it.
std::unique_ptr<MainWindow> StartUp(AppSettings& settings, const StartupOptions& options);

}  // namespace folidex
