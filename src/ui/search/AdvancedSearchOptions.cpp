#include "ui/search/AdvancedSearchOptions.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "ui/search/DateTimeConversion.h"

namespace folidex {
namespace {

// Controls carry their names, so that tests and tools can find them.
template <typename Control>
Control* Named(Control* control, const char* name) {
  control->setObjectName(name);
  return control;
}

QDateTimeEdit* MakeDatePicker(QWidget* parent) {
  auto* picker = new QDateTimeEdit(parent);
  picker->setCalendarPopup(true);
  picker->setDisplayFormat("MM/dd/yyyy");
  return picker;
}

// A list item: its caption and the choice it stands for.
template <typename Choice>
struct Item {
  const char* caption;
  Choice choice;
};

template <typename Choice>
QComboBox* MakeList(std::initializer_list<Item<Choice>> items, QWidget* parent) {
  auto* list = new QComboBox(parent);
  for (const Item<Choice>& item : items) list->addItem(item.caption, static_cast<int>(item.choice));
  return list;
}

template <typename Choice>
Choice Chosen(const QComboBox* list) {
  return static_cast<Choice>(list->currentData().toInt());
}

template <typename Choice>
void Choose(QComboBox* list, Choice choice) {
  list->setCurrentIndex(list->findData(static_cast<int>(choice)));
}

std::string Std(const QString& text) { return text.toStdString(); }

}  // namespace

AdvancedSearchOptions::AdvancedSearchOptions(QWidget* parent)
    : QGroupBox("Advance Search Options", parent),
      chkSearchByDate_(Named(new QCheckBox("Date", this), "chkSearchByDate")),
      cmbDateRangeType_(Named(MakeList<DateKind>({{"Files Created", DateKind::Created},
                                                  {"Files Modified", DateKind::Modified},
                                                  {"Files Last Accessed", DateKind::LastAccessed}},
                                                 this),
                              "cmbDateRangeType")),
      optInPeriod_(Named(new QRadioButton("in the last", this), "optInPeriod")),
      txtInPeriod_(Named(new NumberBox(NumberBox::Keys::DigitsOnly, this), "txtInPeriod")),
      cmbDateInPeriod_(
          Named(MakeList<PeriodUnit>({{"Day(s)", PeriodUnit::Days}, {"Month(s)", PeriodUnit::Months}}, this),
                "cmbDateInPeriod")),
      optBtnPeriod_(Named(new QRadioButton("between", this), "optBtnPeriod")),
      dtpDateFrom_(Named(MakeDatePicker(this), "dtpDateFrom")),
      dtpDateTo_(Named(MakeDatePicker(this), "dtpDateTo")),
      chkSearchBySize_(Named(new QCheckBox("Size", this), "chkSearchBySize")),
      optSizeAt_(Named(new QRadioButton("at", this), "optSizeAt")),
      cmbLeastMost_(Named(MakeList<SizeBound>({{"Least", SizeBound::AtLeast}, {"Most", SizeBound::AtMost}}, this),
                          "cmbLeastMost")),
      txtSizeLeastMost_(Named(new NumberBox(NumberBox::Keys::Any, this), "txtSizeLeastMost")),
      optSizeBtn_(Named(new QRadioButton("between", this), "optSizeBtn")),
      txtSizeFrom_(Named(new NumberBox(NumberBox::Keys::Any, this), "txtSizeFrom")),
      txtSizeTo_(Named(new NumberBox(NumberBox::Keys::Any, this), "txtSizeTo")) {
  setObjectName("fmeAdvancedSearchOptions");
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
  grid->addLayout(row({optSizeAt_, cmbLeastMost_, txtSizeLeastMost_, new QLabel("KB", this), optSizeBtn_, txtSizeFrom_,
                       new QLabel("to", this), txtSizeTo_, new QLabel("KB", this)}),
                  2, 1);
  for (NumberBox* box : {txtInPeriod_, txtSizeLeastMost_, txtSizeFrom_, txtSizeTo_}) box->setFixedWidth(80);
}

void AdvancedSearchOptions::ConnectEdits() {
  for (QCheckBox* box : {chkSearchByDate_, chkSearchBySize_})
    connect(box, &QCheckBox::toggled, this, &AdvancedSearchOptions::Edited);
  for (QRadioButton* option : {optInPeriod_, optBtnPeriod_, optSizeAt_, optSizeBtn_})
    connect(option, &QRadioButton::toggled, this, &AdvancedSearchOptions::Edited);
  for (QComboBox* list : {cmbDateRangeType_, cmbDateInPeriod_, cmbLeastMost_})
    connect(list, &QComboBox::currentIndexChanged, this, &AdvancedSearchOptions::Edited);
  for (NumberBox* box : {txtInPeriod_, txtSizeLeastMost_, txtSizeFrom_, txtSizeTo_})
    connect(box, &NumberBox::Edited, this, &AdvancedSearchOptions::Edited);
  for (QDateTimeEdit* picker : {dtpDateFrom_, dtpDateTo_})
    connect(picker, &QDateTimeEdit::dateTimeChanged, this, &AdvancedSearchOptions::Edited);
}

void AdvancedSearchOptions::Show(const SearchCriteria& criteria) {
  chkSearchByDate_->setChecked(criteria.dateEnabled);
  Choose(cmbDateRangeType_, criteria.dateKind);
  (criteria.dateMode == SearchCriteria::DateMode::InLast ? optInPeriod_ : optBtnPeriod_)->setChecked(true);
  txtInPeriod_->SetText(QString::fromStdString(criteria.periodCount));
  Choose(cmbDateInPeriod_, criteria.periodUnit);
  dtpDateFrom_->setDateTime(ToQDateTime(criteria.dateFrom));
  dtpDateTo_->setDateTime(ToQDateTime(criteria.dateTo));

  chkSearchBySize_->setChecked(criteria.sizeEnabled);
  (criteria.sizeMode == SearchCriteria::SizeMode::At ? optSizeAt_ : optSizeBtn_)->setChecked(true);
  Choose(cmbLeastMost_, criteria.sizeBound);
  txtSizeLeastMost_->SetText(QString::fromStdString(criteria.sizeLimit));
  txtSizeFrom_->SetText(QString::fromStdString(criteria.sizeFrom));
  txtSizeTo_->SetText(QString::fromStdString(criteria.sizeTo));
}

void AdvancedSearchOptions::ReadInto(SearchCriteria& criteria) const {
  criteria.dateEnabled = chkSearchByDate_->isChecked();
  criteria.dateKind = Chosen<DateKind>(cmbDateRangeType_);
  criteria.dateMode = optInPeriod_->isChecked() ? SearchCriteria::DateMode::InLast : SearchCriteria::DateMode::Between;
  criteria.periodCount = Std(txtInPeriod_->Text());
  criteria.periodUnit = Chosen<PeriodUnit>(cmbDateInPeriod_);
  criteria.dateFrom = FromQDateTime(dtpDateFrom_->dateTime());
  criteria.dateTo = FromQDateTime(dtpDateTo_->dateTime());

  criteria.sizeEnabled = chkSearchBySize_->isChecked();
  criteria.sizeMode = optSizeAt_->isChecked() ? SearchCriteria::SizeMode::At : SearchCriteria::SizeMode::Between;
  criteria.sizeBound = Chosen<SizeBound>(cmbLeastMost_);
  criteria.sizeLimit = Std(txtSizeLeastMost_->Text());
  criteria.sizeFrom = Std(txtSizeFrom_->Text());
  criteria.sizeTo = Std(txtSizeTo_->Text());
}

}  // namespace folidex
