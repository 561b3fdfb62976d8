#include "WindowFit.h"

#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOption>
#include <QTabBar>

namespace folidex::test {
namespace {

QString Describe(const QWidget& widget) {
  QString text;
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) text = label->text();
  if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) text = button->text();
  if (const auto* box = qobject_cast<const QGroupBox*>(&widget)) text = box->title();
  QString name = widget.objectName().isEmpty() ? widget.metaObject()->className() : widget.objectName();
  if (!text.isEmpty()) name += " \"" + text + '"';
  return name + QString(" at %1,%2 %3x%4").arg(widget.x()).arg(widget.y()).arg(widget.width()).arg(widget.height());
}

QString SizeText(const QSize& size) { return QString("%1x%2").arg(size.width()).arg(size.height()); }

// The room the text gets and the room it needs, as the style draws it.
void CheckRoom(const QWidget& widget, const QRect& room, const QSize& needed, QStringList& problems) {
  if (room.width() < needed.width() || room.height() < needed.height())
    problems << Describe(widget) + ": text needs " + SizeText(needed) + ", has " + SizeText(room.size());
}

void CheckLabel(const QLabel& label, QStringList& problems) {
  if (label.text().isEmpty()) return;  // a picture
  // The label's own measure of its text with its frame, margin and indent; a label that
  // wraps needs its longest word across and every line down.
  QSize needed = label.minimumSizeHint();
  if (label.wordWrap()) needed.setHeight(label.heightForWidth(label.width()));
  CheckRoom(label, label.rect(), needed, problems);
}

void CheckButton(const QAbstractButton& button, QStringList& problems) {
  if (button.text().isEmpty()) return;
  QStyleOptionButton option;
  option.initFrom(&button);
  option.text = button.text();
  QSize needed = button.fontMetrics().size(Qt::TextShowMnemonic, button.text());
  QStyle::SubElement contents;
  if (qobject_cast<const QCheckBox*>(&button)) {
    contents = QStyle::SE_CheckBoxContents;
  } else if (qobject_cast<const QRadioButton*>(&button)) {
    contents = QStyle::SE_RadioButtonContents;
  } else if (const auto* push = qobject_cast<const QPushButton*>(&button)) {
    contents = QStyle::SE_PushButtonContents;
    if (push->isDefault()) option.features |= QStyleOptionButton::DefaultButton;
    if (push->autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
    // A caption that touches the button's edge reads as cut off.
    needed.rwidth() += button.style()->pixelMetric(QStyle::PM_ButtonMargin, &option, &button);
  } else {
    return;
  }
  CheckRoom(button, button.style()->subElementRect(contents, &option, &button), needed, problems);
}

void CheckGroupCaption(const QGroupBox& box, QStringList& problems) {
  if (box.title().isEmpty()) return;
  QStyleOptionGroupBox option;
  option.initFrom(&box);
  option.text = box.title();
  option.textAlignment = box.alignment();
  option.lineWidth = 1;
  option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
  const QRect caption = box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
  CheckRoom(box, caption, box.fontMetrics().size(Qt::TextShowMnemonic, box.title()), problems);
  if (!box.rect().contains(caption)) problems << Describe(box) + ": its caption reaches past its frame";
}

// Widgets that arrange their own parts: their children are not looked into.
bool IsComposite(const QWidget& widget) {
  return qobject_cast<const QAbstractScrollArea*>(&widget) || qobject_cast<const QComboBox*>(&widget) ||
         qobject_cast<const QAbstractSpinBox*>(&widget) || qobject_cast<const QLineEdit*>(&widget) ||
         qobject_cast<const QMenuBar*>(&widget) || qobject_cast<const QAbstractSlider*>(&widget) ||
         qobject_cast<const QTabBar*>(&widget) || qobject_cast<const QAbstractButton*>(&widget) ||
         qobject_cast<const QLabel*>(&widget);
}

// Widgets that draw nothing that could be cut: a rule that runs to the window's edge, and a
// plain widget that only holds others (those are checked against what shows of it).
bool DrawsNothingToCut(const QWidget& widget) {
  if (const auto* frame = qobject_cast<const QFrame*>(&widget))
    return frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine;
  return widget.metaObject() == &QWidget::staticMetaObject && !widget.autoFillBackground();
}

// `visible` is the part of `widget` that shows on screen, in its own coordinates.
void CheckWidget(const QWidget& widget, const QRect& visible, QStringList& problems) {
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) CheckLabel(*label, problems);
  if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) CheckButton(*button, problems);
  if (const auto* box = qobject_cast<const QGroupBox*>(&widget)) CheckGroupCaption(*box, problems);
  if (IsComposite(widget)) return;

  QList<const QWidget*> shown;
  for (const QObject* object : widget.children()) {
    const auto* child = qobject_cast<const QWidget*>(object);
    if (child && !child->isWindow() && child->isVisible()) shown << child;
  }
  const QRect inside = visible & widget.contentsRect();
  for (qsizetype i = 0; i < shown.size(); ++i) {
    const QWidget& child = *shown[i];
    if (!DrawsNothingToCut(child) && !inside.contains(child.geometry()))
      problems << Describe(child) +
                      QString(": reaches past the visible area %1,%2 %3 of ")
                          .arg(inside.x())
                          .arg(inside.y())
                          .arg(SizeText(inside.size())) +
                      Describe(widget);
    for (qsizetype j = i + 1; j < shown.size(); ++j)
      if (child.geometry().intersects(shown[j]->geometry()))
        problems << Describe(child) + ": overlaps " + Describe(*shown[j]);
    CheckWidget(child, (inside & child.geometry()).translated(-child.pos()), problems);
  }
}

}  // namespace

QStringList FitProblems(const QWidget& window) {
  QStringList problems;
  if (const QScreen* screen = window.screen(); screen && !screen->availableGeometry().contains(window.frameGeometry()))
    problems << Describe(window) + ": does not fit on the screen";
  CheckWidget(window, window.rect(), problems);
  return problems;
}

}  // namespace folidex::test
