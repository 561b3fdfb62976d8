#include "ui/app/MainLayout.h"

#include <algorithm>

namespace folidex {
namespace {

constexpr int kLeft = 50;
constexpr int kRightMargin = 200;
constexpr int kAddressBarTop = 120;
constexpr int kAddressBarHeight = 345;
constexpr TwipRect kAddressTextDesign{780, 30, 10995, 285};
constexpr int kTotalLabelWidth = 5295;
constexpr int kTotalLabelHeight = 225;
constexpr int kAdvancedHeight = 1545;
constexpr int kSearchBarHeight = 465;
constexpr int kSearchBarMargin = 800;
constexpr int kShowHideGap = 50;
constexpr int kControlGap = 200;

// Split panel, total label and advanced options take their vertical places from the
// search bar's top.
void PlaceAboveSearchBar(MainLayout& layout, bool advancedShown, int advancedGap) {
  layout.advancedOptions.top = layout.searchBar.top - layout.advancedOptions.height - advancedGap;
  const int bottom = advancedShown ? layout.advancedOptions.top : layout.searchBar.top;
  layout.splitPanel.top = kLine2Y + 100;
  layout.splitPanel.height = bottom - layout.splitPanel.top - kTotalLabelHeight - 100;
  layout.totalLabel.top = layout.splitPanel.Bottom() + 50;
}

}  // namespace

std::optional<OuterSize> SnapToMinimum(OuterSize size) {
  if (size.width >= kMinWindowWidth && size.height >= kMinWindowHeight) return std::nullopt;
  return OuterSize{std::max(size.width, kMinWindowWidth), std::max(size.height, kMinWindowHeight)};
}

MainLayout LayoutOnResize(OuterSize window, int statusBarHeight, bool advancedShown, const SearchBarWidths& widths) {
  MainLayout layout;
  layout.lineEnd = window.width;
  layout.addressBar = {0, kAddressBarTop, window.width, kAddressBarHeight};
  layout.addressText = kAddressTextDesign;
  layout.addressText.width = layout.addressBar.width - kAddressTextDesign.left - kRightMargin;

  const int width = window.width - kLeft - kRightMargin;
  layout.splitPanel = {kLeft, 0, width, 0};
  layout.totalLabel = {layout.splitPanel.Right() - kTotalLabelWidth, 0, kTotalLabelWidth, kTotalLabelHeight};
  layout.advancedOptions = {kLeft, 0, width, kAdvancedHeight};
  layout.searchBar = {kLeft, window.height - kSearchBarHeight - statusBarHeight - kSearchBarMargin, width,
                      kSearchBarHeight};

  layout.includeSubfolder = {kLeft, 150, widths.includeSubfolder, 195};
  layout.showHidden = {layout.includeSubfolder.Right() + kControlGap, 150, widths.showHidden, 195};
  layout.searchButton = {layout.showHidden.Right() + kControlGap, 90, widths.searchButton, 315};
  layout.showHideButton = {width - widths.showHideButton, 90, widths.showHideButton, 315};
  layout.exportButton = {layout.showHideButton.left - widths.exportButton - 50, 90, widths.exportButton, 315};

  PlaceAboveSearchBar(layout, advancedShown, 0);
  return layout;
}

void LayoutAfterShowHide(MainLayout& layout, int statusBarTop, bool advancedShown) {
  layout.searchBar.top = statusBarTop - layout.searchBar.height - kShowHideGap;
  PlaceAboveSearchBar(layout, advancedShown, kShowHideGap);
}

}  // namespace folidex
