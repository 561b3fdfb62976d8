// Feeds arbitrary bytes to the INI reader and writer and checks what must hold for any file:
// no crash, a read value is a prefix of the stored one, written text parses back to itself, and a value that is set
// reads back unchanged without changing keys of other sections.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/settings/IniFile.h"
#include "core/settings/SettingKeys.h"

namespace {

constexpr folidex::SettingKey kKeys[] = {
    folidex::kBackPictureKey,  folidex::kStyleKey,         folidex::kShowGridKey,       folidex::kForeColorKey,
    folidex::kForeColorSelKey, folidex::kBackColorKey,     folidex::kBackColorSelKey,   folidex::kGridColorKey,
    folidex::kVisibilityKey,   folidex::kStartupFolderKey, folidex::kExportLocationKey,
};

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

// The input's last line, without its line break: a value with any bytes but CR and LF.
std::string_view LastLine(std::string_view text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.remove_suffix(1);
  const std::size_t lineStart = text.find_last_of("\r\n");
  return lineStart == std::string_view::npos ? text : text.substr(lineStart + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  folidex::IniFile ini(text);
  for (const folidex::SettingKey& key : kKeys) {
    const std::string full = ini.Find(key.section, key.name).value_or("default");
    Require(full.starts_with(ini.Read(key.section, key.name, "default", key.readLimit)));
  }

  const std::string written = ini.Text();
  Require(folidex::IniFile(written).Text() == written);

  const auto other = ini.Find("General", "StartupFolder");
  const std::string_view value = LastLine(text);
  Require(ini.Set("Grid", "Style", value));
  const folidex::IniFile reread(ini.Text());
  Require(reread.Find("Grid", "Style") == value);
  Require(reread.Find("General", "StartupFolder") == other);
  return 0;
}
