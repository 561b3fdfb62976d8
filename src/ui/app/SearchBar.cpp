#include "ui/app/SearchBar.h"

#include "ui/app/CaptionColor.h"
#include "ui/app/DesignSize.h"

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

void SearchBar::FitSizes(ControlSizes& sizes) const {
  for (const QCheckBox* box : {chkSearchIncSubFlder_, chkShowHidden_})
    GrowToFit(sizes.checkBoxHeight, box->sizeHint().height());
  GrowToFit(sizes.includeSubfolderWidth, chkSearchIncSubFlder_->sizeHint().width());
  GrowToFit(sizes.showHiddenWidth, chkShowHidden_->sizeHint().width());
  for (const QPushButton* button : {cmdSearch_, cmdExport_, cmdShowHideAdvanceSearch_})
    GrowToFit(sizes.buttonHeight, CaptionSize(*button).height());
  GrowToFit(sizes.searchButtonWidth, CaptionSize(*cmdSearch_).width());
  GrowToFit(sizes.exportButtonWidth, CaptionSize(*cmdExport_).width());
  GrowToFit(sizes.showHideButtonWidth, CaptionSize(*cmdShowHideAdvanceSearch_).width());
}

void SearchBar::Arrange(const MainLayout& layout) {
  chkSearchIncSubFlder_->setGeometry(ToPixels(layout.includeSubfolder));
  chkShowHidden_->setGeometry(ToPixels(layout.showHidden));
  cmdSearch_->setGeometry(ToPixels(layout.searchButton));
  cmdExport_->setGeometry(ToPixels(layout.exportButton));
  cmdShowHideAdvanceSearch_->setGeometry(ToPixels(layout.showHideButton));
}

}  // namespace folidex
