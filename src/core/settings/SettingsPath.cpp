#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "core/settings/SettingsFile.h"

namespace folidex {

namespace fs = std::filesystem;

namespace {

fs::path HomeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
  if (const passwd* user = ::getpwuid(::getuid()); user != nullptr && user->pw_dir != nullptr) return user->pw_dir;
  return {};
}

}  // namespace

fs::path UserSettingsFolder() {
  // A relative XDG_CONFIG_HOME is invalid and ignored, as the XDG base directory rules say.
  const char* config = std::getenv("XDG_CONFIG_HOME");
  const fs::path base =
      config != nullptr && fs::path(config).is_absolute() ? fs::path(config) : HomeFolder() / ".config";
  return base / "Folidex";
}

fs::path SettingsPath(const fs::path& executableFolder) {
  const fs::path portable = executableFolder / "Settings";
  std::error_code error;
  return (fs::is_directory(portable, error) ? portable : UserSettingsFolder()) / "Settings.ini";
}

}  // namespace folidex
