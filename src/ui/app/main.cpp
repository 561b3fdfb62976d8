#include <QApplication>

#include "ui/app/Startup.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  folidex::AppSettings settings;
  const std::unique_ptr<folidex::MainWindow> window = folidex::StartUp(
      settings, folidex::StartupOptions::ForExecutableFolder(QCoreApplication::applicationDirPath().toStdString()));
  if (!window) return 1;
  return application.exec();
}
