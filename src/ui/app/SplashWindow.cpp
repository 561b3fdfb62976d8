#include "ui/app/SplashWindow.h"

#include <QFileIconProvider>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/about/ProductInfo.h"
#include "ui/app/Twips.h"

namespace folidex {
namespace {

QLabel* AddText(QVBoxLayout& layout, const QString& text, int pointSize, bool bold = false) {
  auto* label = new QLabel(text);
  QFont font("Verdana", pointSize);
  font.setBold(bold);
  label->setFont(font);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignCenter);
  layout.addWidget(label);
  return label;
}

}  // namespace

SplashWindow::SplashWindow(int showMilliseconds, QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName("frmSplash");
  setModal(true);
  setFixedSize(TwipsToPixels(6915), TwipsToPixels(4215));

  auto* panel = new QFrame(this);
  panel->setFrameShape(QFrame::Box);
  panel->setFrameShadow(QFrame::Raised);
  auto* outer = new QVBoxLayout(this);
  outer->addWidget(panel);
  auto* texts = new QVBoxLayout(panel);
  AddText(*texts, kProductCaption, 16, true);
  auto* picture = new QLabel;
  picture->setPixmap(QFileIconProvider().icon(QFileIconProvider::File).pixmap(48, 48));
  picture->setAlignment(Qt::AlignCenter);
  texts->addWidget(picture);
  AddText(*texts,
          "Warning: this computer program is protected by copyright law. Unauthorised reproduction or "
          "distribution of this program, or any portion of it, is not permitted.",
          7);
  AddText(*texts, "Finds PDF documents in a folder tree and counts their pages.", 8);
  AddText(*texts, "Support and updates: see the Help menu.", 8);
  AddText(*texts, "Folidex is owned by its authors.", 8);

  timer1_.setSingleShot(true);
  timer1_.setInterval(showMilliseconds);
  connect(&timer1_, &QTimer::timeout, this, &QDialog::accept);
}

void SplashWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  timer1_.start();
}

}  // namespace folidex
