#pragma once

#include <cstddef>
#include <string_view>

namespace folidex {

// Where a setting lives in Settings.ini and how many characters of its value are read.
struct SettingKey {
  std::string_view section;
  std::string_view name;
  std::size_t readLimit;
};

// Read limits: the style codes fit 2 characters, a signed 32-bit colour 17 (room to spare),
// paths and lists 499.
inline constexpr SettingKey kBackPictureKey{"Grid", "BackPicture", 499};
inline constexpr SettingKey kStyleKey{"Grid", "Style", 2};
inline constexpr SettingKey kShowGridKey{"Grid", "Show/Hide", 2};
inline constexpr SettingKey kForeColorKey{"Grid", "ForeColor", 17};
inline constexpr SettingKey kForeColorSelKey{"Grid", "ForeColorSel", 17};
inline constexpr SettingKey kBackColorKey{"Grid", "BackColor", 17};
inline constexpr SettingKey kBackColorSelKey{"Grid", "BackColorSel", 17};
inline constexpr SettingKey kGridColorKey{"Grid", "GridColor", 17};
inline constexpr SettingKey kVisibilityKey{"ColumnSetting", "Visibility", 499};
inline constexpr SettingKey kStartupFolderKey{"General", "StartupFolder", 499};
inline constexpr SettingKey kExportLocationKey{"General", "ExportLocation", 499};

}  // namespace folidex
