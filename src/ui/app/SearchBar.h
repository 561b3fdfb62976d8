#pragma once

#include <QCheckBox>
#include <QPushButton>
#include <QWidget>

#include "core/search/SearchCriteria.h"
#include "ui/app/MainLayout.h"

namespace folidex {

// The bar below the grid: "Include Subfolder", "Show Hidden Files", "&Search", "Export"
// and the show/hide button of the advanced options.
class SearchBar : public QWidget {
  Q_OBJECT

 public:
  explicit SearchBar(QWidget* parent = nullptr);

  // Puts the values of `criteria` into the check boxes.
  void Show(const SearchCriteria& criteria);
  // Copies the check boxes into `criteria`.
  void ReadInto(SearchCriteria& criteria) const;
  // Widens and heightens the design sizes of the bar's controls where their captions need
  // more room.
  void FitSizes(ControlSizes& sizes) const;
  // Places the controls at their places inside the bar.
  void Arrange(const MainLayout& layout);

  QPushButton* SearchButton() const { return cmdSearch_; }
  QPushButton* ExportButton() const { return cmdExport_; }
  QPushButton* ShowHideButton() const { return cmdShowHideAdvanceSearch_; }

 signals:
  void Edited();

 private:
  QCheckBox* chkSearchIncSubFlder_;
  QCheckBox* chkShowHidden_;
  QPushButton* cmdSearch_;
  QPushButton* cmdExport_;
  QPushButton* cmdShowHideAdvanceSearch_;
};

}  // namespace folidex
