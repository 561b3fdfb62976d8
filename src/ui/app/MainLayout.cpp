#include "ui/app/MainLayout.h"

#include <algorithm>

namespace folidex {
namespace {

constexpr int kLeft = 50;
constexpr int kRightMargin = 200;
constexpr int kAddressBarTop = 120;
constexpr int kAddressTextMargin = 30;  // above and below the address text box
constexpr TwipRect kAddressLabel{90, 60, 615, 165};
constexpr TwipRect kAddressText{780, 30, 10995, 285};
constexpr int kLine2BelowAddressBar = 45;  // the rule at 510, the bar ending at 465
constexpr int kTotalLabelWidth = 5295;
constexpr int kSearchBarTopMargin = 90;     // above the search bar's buttons
constexpr int kSearchBarBottomMargin = 60;  // below them
constexpr int kSearchBarMargin = 800;
constexpr int kShowHideGap = 50;
constexpr int kControlGap = 200;

// Split panel, total label and advanced options take their vertical places from the
// search bar's top.
void PlaceAboveSearchBar(MainLayout& layout, bool advancedShown, int advancedGap) {
  layout.advancedOptions.top = layout.searchBar.top - layout.advancedOptions.height - advancedGap;
  const int bottom = advancedShown ? layout.advancedOptions.top : layout.searchBar.top;
  layout.splitPanel.top = layout.line2Y + 100;
  layout.splitPanel.height = bottom - layout.splitPanel.top - layout.totalLabel.height - 100;
  layout.totalLabel.top = layout.splitPanel.Bottom() + 50;
}

// The address bar holds its label and text box; a taller text box makes the bar taller
// and moves the rule below it down, and a wider label moves the text box right.
void PlaceAddressBar(MainLayout& layout, int windowWidth, const ControlSizes& sizes) {
  layout.lineEnd = windowWidth;
  layout.addressBar = {0, kAddressBarTop, windowWidth, sizes.addressTextHeight + 2 * kAddressTextMargin};
  const int labelTop = kAddressLabel.top + (sizes.addressTextHeight - kAddressText.height) / 2 -
                       (sizes.addressLabelHeight - kAddressLabel.height) / 2;
  layout.addressLabel = {kAddressLabel.left, std::max(0, labelTop), sizes.addressLabelWidth, sizes.addressLabelHeight};
  const int textLeft =
      std::max(kAddressText.left, layout.addressLabel.Right() + kAddressText.left - kAddressLabel.Right());
  layout.addressText = {textLeft, kAddressTextMargin, layout.addressBar.width - textLeft - kRightMargin,
                        sizes.addressTextHeight};
  layout.line2Y = layout.addressBar.Bottom() + kLine2BelowAddressBar;
}

// The search bar's controls in one row, the check boxes centred on the buttons' middle.
void PlaceSearchBar(MainLayout& layout, int windowHeight, int statusBarHeight, const ControlSizes& sizes) {
  const int rowHeight = std::max(sizes.buttonHeight, sizes.checkBoxHeight);
  const int height = kSearchBarTopMargin + rowHeight + kSearchBarBottomMargin;
  const int width = layout.splitPanel.width;
  layout.searchBar = {kLeft, windowHeight - height - statusBarHeight - kSearchBarMargin, width, height};

  const int checkBoxTop = kSearchBarTopMargin + (rowHeight - sizes.checkBoxHeight) / 2;
  const int buttonTop = kSearchBarTopMargin + (rowHeight - sizes.buttonHeight) / 2;
  layout.includeSubfolder = {kLeft, checkBoxTop, sizes.includeSubfolderWidth, sizes.checkBoxHeight};
  layout.showHidden = {layout.includeSubfolder.Right() + kControlGap, checkBoxTop, sizes.showHiddenWidth,
                       sizes.checkBoxHeight};
  layout.searchButton = {layout.showHidden.Right() + kControlGap, buttonTop, sizes.searchButtonWidth,
                         sizes.buttonHeight};
  layout.showHideButton = {width - sizes.showHideButtonWidth, buttonTop, sizes.showHideButtonWidth, sizes.buttonHeight};
  layout.exportButton = {layout.showHideButton.left - sizes.exportButtonWidth - 50, buttonTop, sizes.exportButtonWidth,
                         sizes.buttonHeight};
}

}  // namespace

std::optional<OuterSize> SnapToMinimum(OuterSize size) {
  if (size.width >= kMinWindowWidth && size.height >= kMinWindowHeight) return std::nullopt;
  return OuterSize{std::max(size.width, kMinWindowWidth), std::max(size.height, kMinWindowHeight)};
}

MainLayout LayoutOnResize(OuterSize window, int statusBarHeight, bool advancedShown, const ControlSizes& sizes) {
  MainLayout layout;
  PlaceAddressBar(layout, window.width, sizes);
  const int width = window.width - kLeft - kRightMargin;
  layout.splitPanel = {kLeft, 0, width, 0};
  layout.totalLabel = {layout.splitPanel.Right() - kTotalLabelWidth, 0, kTotalLabelWidth, sizes.totalLabelHeight};
  layout.advancedOptions = {kLeft, 0, width, sizes.advancedOptionsHeight};
  PlaceSearchBar(layout, window.height, statusBarHeight, sizes);
  PlaceAboveSearchBar(layout, advancedShown, 0);
  return layout;
}

void LayoutAfterShowHide(MainLayout& layout, int statusBarTop, bool advancedShown) {
  layout.searchBar.top = statusBarTop - layout.searchBar.height - kShowHideGap;
  PlaceAboveSearchBar(layout, advancedShown, kShowHideGap);
}

}  // namespace folidex
