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

// The sizes of the controls that the rules place by their size. They start at the design
// sizes; a control whose text needs more room in the current font and scale is given it,
// and the bar that holds it grows with it.
struct ControlSizes {
  int addressLabelWidth = 615;
  int addressLabelHeight = 165;
  int addressTextHeight = 285;
  int totalLabelHeight = 225;
  int advancedOptionsHeight = 1545;
  int checkBoxHeight = 195;
  int buttonHeight = 315;
  int includeSubfolderWidth = 1575;
  int showHiddenWidth = 1665;
  int searchButtonWidth = 945;
  int exportButtonWidth = 1200;
  int showHideButtonWidth = 1845;
};

struct MainLayout {
  int lineEnd = 0;  // both rules below the menu bar and below the address bar end here
  int line2Y = 0;   // the rule below the address bar
  TwipRect addressBar;
  // Inside the address bar.
  TwipRect addressLabel;
  TwipRect addressText;
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

// The rule below the menu bar.
constexpr int kLine1Y = 60;

// The rule that runs on every resize (not while minimised).
MainLayout LayoutOnResize(OuterSize window, int statusBarHeight, bool advancedShown, const ControlSizes& sizes = {});

// The rule that runs after the advanced options were shown or hidden: the search bar sits
// 50 above the status bar's top, and the advanced options 50 above the search bar.
void LayoutAfterShowHide(MainLayout& layout, int statusBarTop, bool advancedShown);

}  // namespace folidex
