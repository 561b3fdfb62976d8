#include "ui/app/SearchBar.h"

#include <algorithm>

#include "ui/app/CaptionColor.h"
#include "ui/app/PlaceControl.h"

namespace folidex {

SearchBar::SearchBar(QWidget* parent)
    : QWidget(parent),
      chkSearchIncSubFlder_(new QCheckBox("Include Subfolder", this)),
      chkShowHidden_(new QCheckBox("Show Hidden Files", this)),
      cmdSearch_(new QPushButton("&Search", this)),
      cmdExport_(new QPushButton("Export", this)),
      cmdShowHideAdvanceSearch_(new QPushButton("Hide Advance Options", this)) {
  setObjectName("fmeSearch");
  chkSearchIncSubFlder_->setObjectName("chkSearchIncSubFlder");
  chkShowHidden_->setObjectName("chkShowHidden");
  cmdSearch_->setObjectName("cmdSearch");
  cmdExport_->setObjectName("cmdExport");
  cmdShowHideAdvanceSearch_->setObjectName("cmdShowHideAdvanceSearch");
  QFont bold = cmdSearch_->font();
  bold.setBold(true);
  cmdSearch_->setFont(bold);
  for (QWidget* caption : {static_cast<QWidget*>(chkSearchIncSubFlder_), static_cast<QWidget*>(chkShowHidden_)})
    PaintCaptionDarkBlue(caption);
  for (QCheckBox* box : {chkSearchIncSubFlder_, chkShowHidden_})
    connect(box, &QCheckBox::toggled, this, &SearchBar::Edited);
}

void SearchBar::Show(const SearchCriteria& criteria) {
  chkSearchIncSubFlder_->setChecked(criteria.includeSubfolders);
  chkShowHidden_->setChecked(criteria.showHidden);
}

void SearchBar::ReadInto(SearchCriteria& criteria) const {
  criteria.includeSubfolders = chkSearchIncSubFlder_->isChecked();
  criteria.showHidden = chkShowHidden_->isChecked();
}

SearchBarWidths SearchBar::Widths() const {
  const SearchBarWidths design;
  const auto fit = [](const QWidget* control, int designWidth) {
    return std::max(designWidth, PixelsToTwips(control->sizeHint().width()));
  };
  return {fit(chkSearchIncSubFlder_, design.includeSubfolder), fit(chkShowHidden_, design.showHidden),
          fit(cmdSearch_, design.searchButton), fit(cmdExport_, design.exportButton),
          fit(cmdShowHideAdvanceSearch_, design.showHideButton)};
}

void SearchBar::Arrange(const MainLayout& layout) {
  PlaceControl(chkSearchIncSubFlder_, layout.includeSubfolder);
  PlaceControl(chkShowHidden_, layout.showHidden);
  PlaceControl(cmdSearch_, layout.searchButton);
  PlaceControl(cmdExport_, layout.exportButton);
  PlaceControl(cmdShowHideAdvanceSearch_, layout.showHideButton);
}

}  // namespace folidex
