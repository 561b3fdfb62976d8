#include <system_error>
#include <utility>

#include "core/common/TextFile.h"
#include "core/settings/IniFile.h"
#include "core/settings/SettingKeys.h"
#include "core/settings/SettingsFile.h"

namespace folidex {

namespace fs = std::filesystem;

namespace {

std::string JoinWithCommas(const std::vector<std::string>& elements) {
  std::string text;
  for (const std::string& element : elements) {
    if (&element != &elements.front()) text += ',';
    text += element;
  }
  return text;
}

// The user settings folder is ours to create; a missing portable Settings folder is not.
bool MakeUserSettingsFolder(const fs::path& folder, std::string& error) {
  if (folder.lexically_normal() != UserSettingsFolder().lexically_normal()) return true;
  std::error_code failure;
  fs::create_directories(folder, failure);
  if (failure) error = "Cannot create the folder " + folder.string() + ": " + failure.message();
  return !failure;
}

}  // namespace

bool SaveSettings(const fs::path& file, const AppSettings& settings, std::string& error) {
  if (!MakeUserSettingsFolder(file.parent_path(), error)) return false;

  // Keys and lines the program does not know stay as they are, so the old text is the base;
  // a file that exists but cannot be read is not overwritten.
  std::string text;
  if (!ReadTextFile(file, text, error)) return false;
  IniFile ini(text);

  const std::pair<SettingKey, std::string> values[] = {
      {kBackPictureKey, settings.BackPicture},
      {kStyleKey, std::to_string(settings.GridStyle)},
      {kShowGridKey, std::to_string(settings.ShowGrid)},
      {kForeColorKey, std::to_string(settings.ForeColor)},
      {kForeColorSelKey, std::to_string(settings.ForeColorSel)},
      {kBackColorKey, std::to_string(settings.BackColor)},
      {kBackColorSelKey, std::to_string(settings.BackColorSel)},
      {kGridColorKey, std::to_string(settings.GridColor)},
      {kVisibilityKey, JoinWithCommas(settings.ColumnVisibility)},
      {kStartupFolderKey, settings.StartupFolder},
      {kExportLocationKey, settings.ExportLocation},
  };
  for (const auto& [key, value] : values) {
    if (!ini.Set(key.section, key.name, value)) {
      error =
          "The value of \"" + std::string(key.name) + "\" holds a line break, which the settings file cannot store.";
      return false;
    }
  }
  return ReplaceTextFile(file, ini.Text(), error);
}

}  // namespace folidex
