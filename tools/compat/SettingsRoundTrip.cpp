// Loads a settings file and saves what it read, for the output compatibility check:
//   settings_round_trip SOURCE TARGET
// copies SOURCE to TARGET (when SOURCE is not "-"), loads TARGET and saves the settings back
// into it, keeping its other lines. Prints the load's message and the save's outcome.
#include <filesystem>
#include <iostream>
#include <string>

#include "core/settings/SettingsFile.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: settings_round_trip SOURCE|- TARGET\n";
    return 2;
  }
  const std::filesystem::path source = argv[1], target = argv[2];
  if (source != "-") std::filesystem::copy_file(source, target, std::filesystem::copy_options::overwrite_existing);
  folidex::AppSettings settings;
  std::string message;
  const bool loaded = folidex::LoadSettings(target, settings, message);
  std::cout << "loaded: " << (loaded ? "yes" : "no") << '\n' << message << '\n';
  if (!loaded) return 0;
  std::string error;
  const bool saved = folidex::SaveSettings(target, settings, error);
  std::cout << "saved: " << (saved ? "yes" : "no") << '\n' << error << '\n';
  return 0;
}
