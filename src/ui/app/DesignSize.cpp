#include "ui/app/DesignSize.h"

#include <QLayout>
#include <QStyleOptionButton>
#include <QVariant>
#include <algorithm>

#include "ui/app/Twips.h"

namespace folidex {
namespace {

constexpr char kDesignSize[] = "designSize";

QSize Pixels(int widthTwips, int heightTwips) { return {TwipsToPixels(widthTwips), TwipsToPixels(heightTwips)}; }

// Makes a layout and the layouts inside it measure again: they keep what they measured
// before a control not shown yet changed its size.
void Remeasure(QLayout& layout) {
  for (int i = 0; i < layout.count(); ++i)
    if (QLayout* inner = layout.itemAt(i)->layout()) Remeasure(*inner);
  layout.invalidate();
}

// Children first: what a frame needs follows from what its controls need. An explicit
// minimum takes the place of a control's own in layouts, so it is never less than that.
void ApplyDesignSizes(QWidget& widget) {
  for (QWidget* child : widget.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) ApplyDesignSizes(*child);
  if (QLayout* layout = widget.layout()) Remeasure(*layout);
  if (const QVariant design = widget.property(kDesignSize); design.isValid())
    widget.setMinimumSize(design.toSize().expandedTo(widget.minimumSizeHint()));
}

}  // namespace

void GrowToFit(int& designTwips, int pixels) { designTwips = std::max(designTwips, PixelsToTwips(pixels)); }

QSize CaptionSize(const QPushButton& button) {
  QStyleOptionButton option;
  option.initFrom(&button);
  const QStyle& style = *button.style();
  int frame = 2 * style.pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &button);
  if (button.isDefault() || button.autoDefault())
    frame += 2 * style.pixelMetric(QStyle::PM_ButtonDefaultIndicator, &option, &button);
  const int margin = style.pixelMetric(QStyle::PM_ButtonMargin, &option, &button);
  const QSize text = button.fontMetrics().size(Qt::TextShowMnemonic, button.text());
  return {text.width() + margin + frame, std::max(text.height() + margin + frame, button.sizeHint().height())};
}

void SetButtonSize(QPushButton& button, int widthTwips, int heightTwips) {
  button.setFixedSize(Pixels(widthTwips, heightTwips).expandedTo(CaptionSize(button)));
}

void SetDesignSize(QWidget& control, int widthTwips, int heightTwips) {
  control.setProperty(kDesignSize, Pixels(widthTwips, heightTwips));
}

void FixDialogSize(QWidget& dialog, int widthTwips, int heightTwips) {
  ApplyDesignSizes(dialog);
  QSize size = dialog.minimumSizeHint().expandedTo(Pixels(widthTwips, heightTwips));
  // Text that wraps takes as many lines as it needs at that width.
  if (dialog.hasHeightForWidth()) size.setHeight(std::max(size.height(), dialog.heightForWidth(size.width())));
  dialog.setFixedSize(size);
}

}  // namespace folidex
