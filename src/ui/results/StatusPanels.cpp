#include "ui/results/StatusPanels.h"

#include <QDate>
#include <QEvent>
#include <QLocale>
#include <QTime>

#include "ui/app/Twips.h"
#include "ui/results/SelectionSummaryText.h"

namespace folidex {
namespace {

constexpr int kMessageWidth = 5715;        // twips
constexpr int kMessageLeastWidth = 1500;   // twips, what the message keeps on a crowded bar
constexpr int kBusyIndicatorWidth = 1200;  // twips

// A sunken panel of the status bar; `widthTwips` 0 lets it take the width of its text.
template <class Label>
Label* MakePanel(QStatusBar& bar, const char* key, int widthTwips = 0) {
  auto* panel = new Label(&bar);
  panel->setObjectName(key);
  panel->setTextFormat(Qt::PlainText);  // the searched folder's path is shown as it is
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Sunken);
  if (widthTwips > 0) panel->setFixedWidth(TwipsToPixels(widthTwips));
  return panel;
}

}  // namespace

// The panels are made in the order in which screen readers list them; the selection
// panel and the busy indicator come last, so that "Message" and "Files" stay the first two.
StatusPanels::StatusPanels(QWidget* parent)
    : QStatusBar(parent),
      message_(MakePanel<ElidedLabel>(*this, "Message")),
      files_(MakePanel<QLabel>(*this, "Files", 2000)),
      clock_(MakePanel<QLabel>(*this, "Clock", 1440)),
      selection_(MakePanel<QLabel>(*this, "Selection")),
      busy_(new QProgressBar(this)) {
  setObjectName("sbGeneral");
  setSizeGripEnabled(false);
  // The message gives way first when the bar is crowded: it is elided, and whole in its tooltip.
  message_->setMinimumWidth(TwipsToPixels(kMessageLeastWidth));
  message_->setMaximumWidth(TwipsToPixels(kMessageWidth));
  for (QWidget* panel : {static_cast<QWidget*>(message_), static_cast<QWidget*>(files_),
                         static_cast<QWidget*>(selection_), static_cast<QWidget*>(clock_)})
    addWidget(panel);
  files_->installEventFilter(this);
  clock_->setAlignment(Qt::AlignCenter);
  selection_->setToolTip(
      "The selected files and the sum of their pages. A file whose pages could not be "
      "counted (\"Error\") adds none.");
  selection_->hide();

  busy_->setObjectName("SearchBusy");
  busy_->setRange(0, 0);  // no measure of how far the search has come: only that it runs
  busy_->setTextVisible(false);
  busy_->setFixedSize(TwipsToPixels(kBusyIndicatorWidth), files_->sizeHint().height());
  busy_->setToolTip("Searching");
  busy_->setAccessibleName("Searching");
  addPermanentWidget(busy_);
  busy_->hide();

  ShowTime();
  connect(&clockTimer_, &QTimer::timeout, this, &StatusPanels::ShowTime);
  clockTimer_.start(1000);
}

void StatusPanels::SetText(StatusPanel panel, const QString& text) {
  if (panel == StatusPanel::Message) {
    message_->SetFullText(text);
  } else {
    files_->setText(text);
  }
}

QString StatusPanels::Text(StatusPanel panel) const {
  return panel == StatusPanel::Message ? message_->FullText() : files_->text();
}

void StatusPanels::ShowSelection(const SelectionSummary& summary) {
  selection_->setText(SelectionSummaryText(summary));
  selection_->setVisible(summary.files >= 2);
}

bool StatusPanels::eventFilter(QObject* watched, QEvent* event) {
  // The date is taken when the tip is about to show, so it is today's also after midnight.
  if (watched == files_ && event->type() == QEvent::ToolTip)
    files_->setToolTip(QLocale(QLocale::English, QLocale::UnitedStates)
                           .toString(QDate::currentDate(), QStringLiteral("dddd, MMMM dd, yyyy")));
  return QStatusBar::eventFilter(watched, event);
}

void StatusPanels::ShowTime() {
  clock_->setText(QLocale::system().toString(QTime::currentTime(), QLocale::ShortFormat));
}

}  // namespace folidex
