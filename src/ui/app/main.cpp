#include <QApplication>
#include <iostream>

#include "core/common/MemoryReuse.h"
#include "ui/about/ProductPicture.h"
#include "ui/app/CommandLine.h"
#include "ui/app/Startup.h"

int main(int argc, char* argv[]) {
  // Help and version are answered before the application connects to a display, so they
  // work from any terminal. Qt's own options (-platform, -style, ...) are still among the
  // arguments here; the application takes them out before the arguments are read in full.
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  using Request = folidex::CommandLine::Request;
  const folidex::CommandLine early = folidex::ParseCommandLine(arguments);
  if (early.request == Request::ShowHelp || early.request == Request::ShowVersion)
    return *folidex::AnswerCommandLine(early, std::cout, std::cerr);

  folidex::KeepFreedMemoryForReuse();
  QApplication application(argc, argv);
  const folidex::CommandLine commandLine = folidex::ParseCommandLine(QCoreApplication::arguments().mid(1));
  if (const std::optional<int> status = folidex::AnswerCommandLine(commandLine, std::cout, std::cerr)) return *status;

  QApplication::setWindowIcon(folidex::ProductIcon());
  folidex::AppSettings settings;
  folidex::StartupOptions options =
      folidex::StartupOptions::ForExecutableFolder(QCoreApplication::applicationDirPath().toStdString());
  options.pathToOpen = commandLine.path;
  const std::unique_ptr<folidex::MainWindow> window = folidex::StartUp(settings, options);
  if (!window) return 1;
  return application.exec();
}
