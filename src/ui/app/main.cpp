#include <QApplication>

#include "core/common/MemoryReuse.h"
#include "ui/about/ProductPicture.h"
#include "ui/app/Startup.h"

int main(int argc, char* argv[]) {
  folidex::KeepFreedMemoryForReuse();
  QApplication application(argc, argv);
  QApplication::setWindowIcon(folidex::ProductIcon());
  folidex::AppSettings settings;
  const std::unique_ptr<folidex::MainWindow> window = folidex::StartUp(
      settings, folidex::StartupOptions::ForExecutableFolder(QCoreApplication::applicationDirPath().toStdString()));
  if (!window) return 1;
  return application.exec();
}
