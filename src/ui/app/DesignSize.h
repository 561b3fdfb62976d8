#pragma once

#include <QPushButton>
#include <QSize>
#include <QWidget>

namespace folidex {

// Design sizes, in twips, are the smallest a control or dialog gets: where its text needs
// more room in the current font and scale, it grows to fit.

// Raises a design size in twips to the pixels a control needs where that is more.
void GrowToFit(int& designTwips, int pixels);

// The size a push button's caption needs, measured as the style measures buttons but
// without the minimum width some styles give every push button, so that a small button
// such as "..." keeps its small design size where its caption fits.
QSize CaptionSize(const QPushButton& button);

// A push button of its design size, larger where its caption needs it. The size is fixed:
// layouts neither stretch nor squeeze it.
void SetButtonSize(QPushButton& button, int widthTwips, int heightTwips);

// Gives a control of a dialog its design size, which FixDialogSize applies: the control is
// at least that size, and at least the size its own content needs; layouts may make it larger.
void SetDesignSize(QWidget& control, int widthTwips, int heightTwips);

// Applies the design sizes of the dialog's controls, and fixes the dialog's size: its own
// design size, larger where its layout needs more room.
void FixDialogSize(QWidget& dialog, int widthTwips, int heightTwips);

}  // namespace folidex
