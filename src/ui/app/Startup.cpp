#include "ui/app/Startup.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

#include "core/settings/SettingsFile.h"
#include "ui/app/MessageBoxes.h"

namespace folidex {
namespace {

// Selects the folder of `path`, or tells the user why it cannot be opened.
void SelectFolderOf(const QString& path, MainWindow& window, const std::function<void(const QString&)>& showMessage) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(QFile::encodeName(path).toStdString(), error);
  if (!std::filesystem::exists(status)) {
    if (!error) error = std::make_error_code(std::errc::no_such_file_or_directory);
    showMessage("Unable to open " + path + "\r\n\r\n" + QString::fromStdString(error.message()));
    return;
  }
  const QFileInfo file(path);
  if (!window.SelectSearchFolder(file.isDir() ? file.absoluteFilePath() : file.absolutePath()))
    showMessage("Unable to open " + path);
}

}  // namespace

void StartupOptions::ShowMessage(const QString& message) { ShowInformation(nullptr, message); }

StartupOptions StartupOptions::ForExecutableFolder(const std::filesystem::path& executableFolder) {
  StartupOptions options;
  const std::filesystem::path file = SettingsPath(executableFolder);
  options.loadSettings = [file](AppSettings& settings, std::string& message) {
    return LoadSettings(file, settings, message);
  };
  options.saveSettings = [file](const AppSettings& settings, std::string& error) {
    return SaveSettings(file, settings, error);
  };
  return options;
}

std::unique_ptr<MainWindow> StartUp(AppSettings& settings, const StartupOptions& options) {
  std::string message;
  if (!options.loadSettings(settings, message)) {
    options.showMessage(QString::fromStdString(message));
    return nullptr;
  }
  auto window = std::make_unique<MainWindow>(settings, options.walkSettings, options.saveSettings);
  if (!options.pathToOpen.isEmpty()) SelectFolderOf(options.pathToOpen, *window, options.showMessage);
  // Waits here, the splash window modal, until its timer has closed it (which may happen
  // while it is being shown when the time is short).
  SplashWindow splash(options.splashMilliseconds);
  QEventLoop untilClosed;
  QObject::connect(&splash, &QDialog::finished, &untilClosed, &QEventLoop::quit);
  splash.open();
  if (splash.isVisible()) untilClosed.exec();
  window->show();
  window->activateWindow();
  return window;
}

}  // namespace folidex
