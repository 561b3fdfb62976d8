// Takes the screenshots of the README: the splash window, the main window after the search of
// a first start, Preferences, Export and About, each as the screen shows it. Run it on a
// display of its own (make screenshots runs it under Xvfb), once per scale:
//   folidex_screenshots HOME FOLDER SUFFIX
// makes HOME a home folder of sample files, with no settings, starts the program there for
// the first time, and writes FOLDER/splashSUFFIX.png and the others.

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "support/TestPdf.h"
#include "ui/about/ProductPicture.h"
#include "ui/app/Startup.h"
#include "ui/results/ResultGrid.h"

namespace folidex {
namespace {

// A folder of documents as a print shop or a billing office might have it.
void WriteSampleFiles(const std::filesystem::path& home) {
  std::filesystem::remove_all(home);
  const auto write = [&home](const std::string& name, const std::string& bytes) {
    const std::filesystem::path file = home / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
  };
  const std::pair<const char*, int> files[] = {
      {"001-trivial_minimal-document.pdf", 1},
      {"007-annual-report-2026-final-version-approved-by-the-board.pdf", 117},
      {"007-annual-report-2026-draft.pdf", 98},
      {"brochure.pdf", 12},
      {"catalogue-spring.pdf", 1234},
      {"invoice-2026-0042.pdf", 2},
      {"Client Records/Smith & Sons/statement-november.pdf", 6},
      {"Client Records/Smith & Sons/statement-december.pdf", 7},
  };
  for (const auto& [name, pages] : files) write(name, test::MakePdf(pages));
  write("scan-damaged.pdf", "%PDF-1.4\nnot a PDF file at all\n");
}

// The window as the screen shows it, frame included where the window system draws one.
void Save(const QWidget& window, const QString& path) {
  const QRect frame = window.frameGeometry();
  const QPixmap shot = window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
  if (!shot.save(path)) qFatal("cannot write %s", qPrintable(path));
}

QAction* MenuItem(const QWidget& window, const char* name) {
  auto* item = window.findChild<QAction*>(name);
  if (!item) qFatal("no menu item %s", name);
  return item;
}

// Waits until the window has been drawn, for a screenshot.
void Settle() { QTest::qWait(500); }

// Opens a modal dialog with `open`, saves it and closes it.
void ShootModal(const std::function<void()>& open, const QString& path) {
  QTimer::singleShot(0, [path] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog) qFatal("no dialog opened for %s", qPrintable(path));
    Settle();
    Save(*dialog, path);
    dialog->close();
  });
  open();
}

}  // namespace
}  // namespace folidex

int main(int argc, char* argv[]) {
  using namespace folidex;
  if (argc != 4) {
    std::fprintf(stderr, "usage: folidex_screenshots HOME FOLDER SUFFIX\n");
    return 2;
  }
  const std::filesystem::path home = std::filesystem::absolute(argv[1]);
  WriteSampleFiles(home);
  setenv("HOME", home.c_str(), 1);
  setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
  const QString folder = argv[2];
  const QString suffix = argv[3];

  QApplication application(argc, argv);
  QApplication::setWindowIcon(ProductIcon());
  // The program folder has no Settings folder: the settings live in the empty home.
  StartupOptions options = StartupOptions::ForExecutableFolder(home / "program");
  QTimer::singleShot(1500, [&] {
    for (QWidget* window : QApplication::topLevelWidgets())
      if (window->objectName() == "frmSplash" && window->isVisible())
        Save(*window, folder + "/splash" + suffix + ".png");
  });
  AppSettings settings;
  const std::unique_ptr<MainWindow> window = StartUp(settings, options);
  if (!window) return 1;
  auto* search = window->findChild<QPushButton*>("cmdSearch");
  if (!QTest::qWaitFor(
          [&] { return search->text() == "&Search" && window->findChild<ResultGrid*>()->model()->rowCount() > 0; },
          30000))
    qFatal("the first search did not end");
  Settle();
  Save(*window, folder + "/main-window" + suffix + ".png");

  ShootModal([&] { MenuItem(*window, "mnuPreferences")->trigger(); }, folder + "/preferences" + suffix + ".png");
  ShootModal([&] { MenuItem(*window, "mnuToolsExport")->trigger(); }, folder + "/export" + suffix + ".png");
  MenuItem(*window, "mnuAbout")->trigger();
  Settle();
  for (QWidget* about : QApplication::topLevelWidgets())
    if (about->objectName() == "dlgAbout" && about->isVisible()) {
      Save(*about, folder + "/about" + suffix + ".png");
      about->close();
    }
  window->close();
  return 0;
}
