#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/settings/SystemColor.h"

namespace folidex {

// The user's preferences, loaded once at start-up and replaced by the preferences dialog.
struct AppSettings {
  // Grid-line style code of the results grid: 1 "Flat" ... 13 "Excel" (7 and 11 unused).
  std::uint8_t GridStyle = 1;
  // 0 draws no grid lines whatever GridStyle holds; any other value draws them.
  std::uint8_t ShowGrid = 1;
  std::int32_t ForeColor = SystemColor(8);      // window text
  std::int32_t ForeColorSel = SystemColor(14);  // highlighted text
  std::int32_t BackColor = SystemColor(5);      // window background
  std::int32_t BackColorSel = SystemColor(13);  // highlight
  std::int32_t GridColor = SystemColor(15);     // button face
  // Image drawn behind the results grid; empty for none.
  std::string BackPicture;
  // Element i governs result column i ("File Name", "Location", "Size", "Modified Date",
  // "Pages"): "1" shows it, anything else hides it. An empty list shows every column.
  std::vector<std::string> ColumnVisibility;
  // Folder selected when the main window opens; empty for none.
  std::string StartupFolder;
  // Folder the export dialog starts in; empty for the dialog's own choice.
  std::string ExportLocation;

  friend bool operator==(const AppSettings&, const AppSettings&) = default;
};

}  // namespace folidex
