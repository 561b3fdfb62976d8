#include "ui/about/SystemInfoLauncher.h"

#include <QProcess>
#include <cstdlib>

#include "core/about/PathRegistry.h"
#include "core/about/SystemInformation.h"

namespace folidex {
namespace {

// The registered value is the program's path, started as it is, spaces and all.
bool StartProgram(const std::string& path) { return QProcess::startDetached(QString::fromStdString(path), {}); }

}  // namespace

bool StartSystemInformation() {
  const char* searchPath = std::getenv("PATH");
  const PathRegistry registry(searchPath ? searchPath : "");
  return StartSysInfo(registry, StartProgram);
}

}  // namespace folidex
