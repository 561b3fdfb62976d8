#include "ui/results/StatusPanels.h"

#include <QDate>
#include <QEvent>
#include <QLocale>
#include <QTime>

#include "ui/app/Twips.h"

namespace folidex {
namespace {

QLabel* AddPanel(QStatusBar& bar, const char* key, int widthTwips) {
  auto* panel = new QLabel(&bar);
  panel->setObjectName(key);
  panel->setTextFormat(Qt::PlainText);  // the searched folder's path is shown as it is
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Sunken);
  panel->setFixedWidth(TwipsToPixels(widthTwips));
  bar.addWidget(panel);
  return panel;
}

}  // namespace

StatusPanels::StatusPanels(QWidget* parent)
    : QStatusBar(parent),
      message_(AddPanel(*this, "Message", 5715)),
      files_(AddPanel(*this, "Files", 2000)),
      clock_(AddPanel(*this, "Clock", 1440)) {
  setObjectName("sbGeneral");
  setSizeGripEnabled(false);
  files_->installEventFilter(this);
  clock_->setAlignment(Qt::AlignCenter);
  ShowTime();
  connect(&clockTimer_, &QTimer::timeout, this, &StatusPanels::ShowTime);
  clockTimer_.start(1000);
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
