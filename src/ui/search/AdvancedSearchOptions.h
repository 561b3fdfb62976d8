#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QRadioButton>

#include "core/search/SearchCriteria.h"
#include "ui/search/NumberBox.h"

namespace folidex {

// The frame "Advance Search Options": the date criterion (kind, "in the last" a number
// of days or months, or "between" two dates) and the size criterion ("at" least or most
// a number of KB, or "between" two numbers of KB).
class AdvancedSearchOptions : public QGroupBox {
  Q_OBJECT

 public:
  explicit AdvancedSearchOptions(QWidget* parent = nullptr);

  // Puts the values of `criteria` into the controls (the lists are filled already).
  void Show(const SearchCriteria& criteria);
  // Copies the controls' values into the date and size fields of `criteria`.
  void ReadInto(SearchCriteria& criteria) const;

 signals:
  void Edited();

 private:
  void Arrange();
  void ConnectEdits();

  QCheckBox* chkSearchByDate_;
  QComboBox* cmbDateRangeType_;
  QRadioButton* optInPeriod_;
  NumberBox* txtInPeriod_;
  QComboBox* cmbDateInPeriod_;
  QRadioButton* optBtnPeriod_;
  QDateTimeEdit* dtpDateFrom_;
  QDateTimeEdit* dtpDateTo_;
  QButtonGroup dateModes_;

  QCheckBox* chkSearchBySize_;
  QRadioButton* optSizeAt_;
  QComboBox* cmbLeastMost_;
  NumberBox* txtSizeLeastMost_;
  QRadioButton* optSizeBtn_;
  NumberBox* txtSizeFrom_;
  NumberBox* txtSizeTo_;
  QButtonGroup sizeModes_;
};

}  // namespace folidex
