#include "ui/search/AdvancedSearchOptions.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "ui/search/DateTimeConversion.h"

namespace folidex {
namespace {

QDateTimeEdit* MakeDatePicker(QWidget* parent) {
  auto* picker = new QDateTimeEdit(parent);
  picker->setCalendarPopup(true);
  picker->setDisplayFormat("MM/dd/yyyy");
  return picker;
}

QComboBox* MakeList(const QStringList& items, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->addItems(items);
  return list;
}

std::string Std(const QString& text) {
  return text.toStdString();
}

}  // namespace

AdvancedSearchOptions::AdvancedSearchOptions(QWidget* parent)
    : QGroupBox("Advance Search Options", parent),
      chkSearchByDate_(new QCheckBox("Date", this)),
      cmbDateRangeType_(MakeList({"Files Created", "Files Modified", "Files Last Accessed"}, this)),
      optInPeriod_(new QRadioButton("in the last", this)),
      txtInPeriod_(new NumberBox(NumberBox::Keys::DigitsOnly, this)),
      cmbDateInPeriod_(MakeList({"Day(s)", "Month(s)"}, this)),
      optBtnPeriod_(new QRadioButton("between", this)),
      dtpDateFrom_(MakeDatePicker(this)),
      dtpDateTo_(MakeDatePicker(this)),
      chkSearchBySize_(new QCheckBox("Size", this)),
      optSizeAt_(new QRadioButton("at", this)),
      cmbLeastMost_(MakeList({"Least", "Most"}, this)),
      txtSizeLeastMost_(new NumberBox(NumberBox::Keys::Any, this)),
      optSizeBtn_(new QRadioButton("between", this)),
      txtSizeFrom_(new NumberBox(NumberBox::Keys::Any, this)),
      txtSizeTo_(new NumberBox(NumberBox::Keys::Any, this)) {
  setObjectName("fmeAdvancedSearchOptions");
  chkSearchByDate_->setObjectName("chkSearchByDate");
  txtInPeriod_->setObjectName("txtInPeriod");
  chkSearchBySize_->setObjectName("chkSearchBySize");
  txtSizeLeastMost_->setObjectName("txtSizeLeastMost");
  dateModes_.addButton(optInPeriod_);
  dateModes_.addButton(optBtnPeriod_);
  sizeModes_.addButton(optSizeAt_);
  sizeModes_.addButton(optSizeBtn_);
  Arrange();
  ConnectEdits();
}

void AdvancedSearchOptions::Arrange() {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(6, 0, 6, 2);
  grid->setVerticalSpacing(1);
  auto row = [this](std::initializer_list<QWidget*> widgets) {
    auto* line = new QHBoxLayout;
    line->setSpacing(6);
    for (QWidget* widget : widgets) line->addWidget(widget);
    line->addStretch();
    return line;
  };
  grid->addWidget(chkSearchByDate_, 0, 0);
  grid->addLayout(row({cmbDateRangeType_, optInPeriod_, txtInPeriod_, cmbDateInPeriod_}), 0, 1);
  grid->addLayout(row({optBtnPeriod_, dtpDateFrom_, new QLabel("and", this), dtpDateTo_}), 1, 1);
  grid->addWidget(chkSearchBySize_, 2, 0);
  grid->addLayout(row({optSizeAt_, cmbLeastMost_, txtSizeLeastMost_, new QLabel("KB", this), optSizeBtn_,
                       txtSizeFrom_, new QLabel("to", this), txtSizeTo_, new QLabel("KB", this)}),
                  2, 1);
  for (NumberBox* box : {txtInPeriod_, txtSizeLeastMost_, txtSizeFrom_, txtSizeTo_}) box->setFixedWidth(80);
}

void AdvancedSearchOptions::ConnectEdits() {
  for (QCheckBox* box : {chkSearchByDate_, chkSearchBySize_}) connect(box, &QCheckBox::toggled, this, &AdvancedSearchOptions::Edited);
  for (QRadioButton* option : {optInPeriod_, optBtnPeriod_, optSizeAt_, optSizeBtn_})
    connect(option, &QRadioButton::toggled, this, &AdvancedSearchOptions::Edited);
  for (QComboBox* list : {cmbDateRangeType_, cmbDateInPeriod_, cmbLeastMost_})
    connect(list, &QComboBox::currentTextChanged, this, &AdvancedSearchOptions::Edited);
  for (NumberBox* box : {txtInPeriod_, txtSizeLeastMost_, txtSizeFrom_, txtSizeTo_})
    connect(box, &NumberBox::Edited, this, &AdvancedSearchOptions::Edited);
  for (QDateTimeEdit* picker : {dtpDateFrom_, dtpDateTo_})
    connect(picker, &QDateTimeEdit::dateTimeChanged, this, &AdvancedSearchOptions::Edited);
}

void AdvancedSearchOptions::Show(const SearchCriteria& criteria) {
  chkSearchByDate_->setChecked(criteria.dateEnabled);
  cmbDateRangeType_->setCurrentText(QString::fromStdString(criteria.dateKind));
  (criteria.dateMode == SearchCriteria::DateMode::InLast ? optInPeriod_ : optBtnPeriod_)->setChecked(true);
  txtInPeriod_->SetText(QString::fromStdString(criteria.periodCount));
  cmbDateInPeriod_->setCurrentText(QString::fromStdString(criteria.periodUnit));
  dtpDateFrom_->setDateTime(ToQDateTime(criteria.dateFrom));
  dtpDateTo_->setDateTime(ToQDateTime(criteria.dateTo));

  chkSearchBySize_->setChecked(criteria.sizeEnabled);
  (criteria.sizeMode == SearchCriteria::SizeMode::At ? optSizeAt_ : optSizeBtn_)->setChecked(true);
  cmbLeastMost_->setCurrentText(QString::fromStdString(criteria.sizeBound));
  txtSizeLeastMost_->SetText(QString::fromStdString(criteria.sizeLimit));
  txtSizeFrom_->SetText(QString::fromStdString(criteria.sizeFrom));
  txtSizeTo_->SetText(QString::fromStdString(criteria.sizeTo));
}

void AdvancedSearchOptions::ReadInto(SearchCriteria& criteria) const {
  criteria.dateEnabled = chkSearchByDate_->isChecked();
  criteria.dateKind = Std(cmbDateRangeType_->currentText());
  criteria.dateMode = optInPeriod_->isChecked() ? SearchCriteria::DateMode::InLast : SearchCriteria::DateMode::Between;
  criteria.periodCount = Std(txtInPeriod_->Text());
  criteria.periodUnit = Std(cmbDateInPeriod_->currentText());
  criteria.dateFrom = FromQDateTime(dtpDateFrom_->dateTime());
  criteria.dateTo = FromQDateTime(dtpDateTo_->dateTime());

  criteria.sizeEnabled = chkSearchBySize_->isChecked();
  criteria.sizeMode = optSizeAt_->isChecked() ? SearchCriteria::SizeMode::At : SearchCriteria::SizeMode::Between;
  criteria.sizeBound = Std(cmbLeastMost_->currentText());
  criteria.sizeLimit = Std(txtSizeLeastMost_->Text());
  criteria.sizeFrom = Std(txtSizeFrom_->Text());
  criteria.sizeTo = Std(txtSizeTo_->Text());
}

}  // namespace folidex
