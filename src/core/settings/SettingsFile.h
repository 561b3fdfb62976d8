#pragma once

#include <filesystem>
#include <string>

#include "core/settings/AppSettings.h"

namespace folidex {

// ($XDG_CONFIG_HOME or ~/.config)/Folidex: where the settings live when no Settings folder
// lies beside the executable.
std::filesystem::path UserSettingsFolder();

// <executableFolder>/Settings/Settings.ini when that folder exists (a portable install, and
// what the build lays out), otherwise UserSettingsFolder()/Settings.ini.
std::filesystem::path SettingsPath(const std::filesystem::path& executableFolder);

// Fills `settings` from the file; a missing or unreadable file, section or key gives the
// default. A number key that holds no number or one out of its field's range stops the
// load: the result is false and `message` holds the whole text to show the user.
bool LoadSettings(const std::filesystem::path& file, AppSettings& settings, std::string& message);

// Writes the eleven keys into the file, keeping every other line of it as it was. The file
// is replaced atomically; the user settings folder is created when the file lives there.
// On failure the old file is untouched and `error` holds the reason.
bool SaveSettings(const std::filesystem::path& file, const AppSettings& settings, std::string& error);

}  // namespace folidex
