#include <limits>
#include <optional>

#include "core/common/ParseInteger.h"
#include "core/common/TextFile.h"
#include "core/common/TrimBlanks.h"
#include "core/settings/IniFile.h"
#include "core/settings/SettingKeys.h"
#include "core/settings/SettingsFile.h"

namespace folidex {

namespace {

constexpr std::string_view kLoadFailure = "Error occured while reading setting parameters.\r\n\r\n";

// A value as the settings read it: cut to the key's read limit, then without blanks around it.
std::string ReadValue(const IniFile& ini, const SettingKey& key, std::string_view defaultText) {
  const std::string value = ini.Read(key.section, key.name, defaultText, key.readLimit);
  return std::string(TrimBlanks(value));
}

bool IsDecimalNumber(std::string_view text) {
  if (text.starts_with('-') || text.starts_with('+')) text.remove_prefix(1);
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// Reads a number key into `field`, which holds its default on entry. The default goes through
// the same conversion, so a missing key gives exactly the field's default.
template <typename T>
bool ReadNumber(const IniFile& ini, const SettingKey& key, T& field, std::string& message) {
  const T defaultValue = field;
  const std::string text = ReadValue(ini, key, std::to_string(+defaultValue));
  if (const std::optional<T> value = ParseInteger<T>(text)) {
    field = *value;
    return true;
  }
  const std::string where = Quoted(key.name) + " in section " + Quoted(key.section) + " holds " + Quoted(text);
  if (IsDecimalNumber(text)) {
    message = std::string(kLoadFailure) + "Overflow: " + where + ", which is outside " +
              std::to_string(+std::numeric_limits<T>::min()) + " to " + std::to_string(+std::numeric_limits<T>::max()) +
              ".";
  } else {
    message = std::string(kLoadFailure) + "Type mismatch: " + where + ", which is not a whole number.";
  }
  return false;
}

// Every "," splits; elements keep their blanks, and a trailing comma gives an empty last element.
std::vector<std::string> SplitAtCommas(std::string_view text) {
  std::vector<std::string> elements;
  if (text.empty()) return elements;
  for (std::size_t comma; (comma = text.find(',')) != std::string_view::npos; text.remove_prefix(comma + 1)) {
    elements.emplace_back(text.substr(0, comma));
  }
  elements.emplace_back(text);
  return elements;
}

}  // namespace

bool LoadSettings(const std::filesystem::path& file, AppSettings& settings, std::string& message) {
  // A file that cannot be read is treated like a missing one: the program starts with defaults.
  std::string text;
  std::string readError;
  if (!ReadTextFile(file, text, readError)) text.clear();
  const IniFile ini(text);

  settings = AppSettings{};
  const bool numbersRead = ReadNumber(ini, kStyleKey, settings.GridStyle, message) &&
                           ReadNumber(ini, kShowGridKey, settings.ShowGrid, message) &&
                           ReadNumber(ini, kForeColorKey, settings.ForeColor, message) &&
                           ReadNumber(ini, kForeColorSelKey, settings.ForeColorSel, message) &&
                           ReadNumber(ini, kBackColorKey, settings.BackColor, message) &&
                           ReadNumber(ini, kBackColorSelKey, settings.BackColorSel, message) &&
                           ReadNumber(ini, kGridColorKey, settings.GridColor, message);
  if (!numbersRead) return false;

  settings.BackPicture = ReadValue(ini, kBackPictureKey, "");
  settings.ColumnVisibility = SplitAtCommas(ReadValue(ini, kVisibilityKey, ""));
  settings.StartupFolder = ReadValue(ini, kStartupFolderKey, "");
  settings.ExportLocation = ReadValue(ini, kExportLocationKey, "");
  return true;
}

}  // namespace folidex
