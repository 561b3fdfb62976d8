#pragma once

#include <optional>

#include "ui/app/Twips.h"

namespace folidex {

// The main window's layout rules, in twips. W and H are the window's outer size;
// positions are inside the window's client area, below the menu bar.

constexpr int kMinWindowWidth = 12000;
constexpr int kMinWindowHeight = 6000;

struct OuterSize {
  int width = 0;
  int height = 0;
};

// The size the window must take when it has become smaller than its minimum.
std::optional<OuterSize> SnapToMinimum(OuterSize size);

struct MainLayout {
  int lineEnd = 0;  // both rules below the menu bar and below the address bar end here
  TwipRect addressBar;
  TwipRect addressText;  // inside the address bar
  TwipRect splitPanel;
  TwipRect totalLabel;
  TwipRect advancedOptions;
  TwipRect searchBar;
  // Inside the search bar.
  TwipRect includeSubfolder;
  TwipRect showHidden;
  TwipRect searchButton;
  TwipRect exportButton;
  TwipRect showHideButton;
};

// Design places that no rule changes.
constexpr int kLine1Y = 60;
constexpr int kLine2Y = 510;
constexpr TwipRect kAddressLabel{90, 60, 615, 165};

// The widths of the search bar's controls. The rules place them by their widths; a
// control whose caption needs more room than the design width is given that room.
struct SearchBarWidths {
  int includeSubfolder = 1575;
  int showHidden = 1665;
  int searchButton = 945;
  int exportButton = 1200;
  int showHideButton = 1845;
};

// The rule that runs on every resize (not while minimised).
MainLayout LayoutOnResize(OuterSize window, int statusBarHeight, bool advancedShown,
                          const SearchBarWidths& widths = {});

// The rule that runs after the advanced options were shown or hidden: the search bar sits
// 50 above the status bar's top, and the advanced options 50 above the search bar.
void LayoutAfterShowHide(MainLayout& layout, int statusBarTop, bool advancedShown);

}  // namespace folidex
