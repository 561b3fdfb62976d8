#include "ui/app/SplashWindow.h"

#include <QLabel>
#include <QVBoxLayout>

#include "ui/about/ProductInfo.h"
#include "ui/about/ProductPicture.h"
#include "ui/app/DesignSize.h"

namespace folidex {
namespace {

constexpr int kClientWidth = 6915;   // twips
constexpr int kClientHeight = 4215;  // twips
constexpr int kPictureSize = 64;     // pixels

// A centred line of text in Verdana where the system has it, and in the system's font
// where it has not; `scale` times the system's size.
void AddText(QVBoxLayout& layout, const QString& text, double scale = 1, bool bold = false) {
  auto* label = new QLabel(text);
  label->setTextFormat(Qt::PlainText);
  QFont font = label->font();
  font.setFamilies({"Verdana", font.family()});
  font.setPointSizeF(font.pointSizeF() * scale);
  font.setBold(bold);
  label->setFont(font);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignCenter);
  layout.addWidget(label);
}

}  // namespace

SplashWindow::SplashWindow(int showMilliseconds, QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName("frmSplash");
  setModal(true);

  auto* panel = new QFrame(this);
  panel->setFrameShape(QFrame::Box);
  panel->setFrameShadow(QFrame::Raised);
  auto* outer = new QVBoxLayout(this);
  outer->addWidget(panel);
  auto* texts = new QVBoxLayout(panel);
  AddText(*texts, kProductCaption, 16.0 / 9, true);
  auto* picture = new QLabel;
  picture->setObjectName("picture");
  picture->setPixmap(ProductIcon().pixmap(kPictureSize, kPictureSize));
  picture->setAlignment(Qt::AlignCenter);
  texts->addWidget(picture);
  AddText(*texts, kLegalWarning);
  AddText(*texts, kWebAddress);
  AddText(*texts, kSupportAddress);
  AddText(*texts, QString::fromUtf8(kLegalNotice));
  FixDialogSize(*this, kClientWidth, kClientHeight);

  timer1_.setSingleShot(true);
  timer1_.setInterval(showMilliseconds);
  connect(&timer1_, &QTimer::timeout, this, &QDialog::accept);
}

void SplashWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  timer1_.start();
}

}  // namespace folidex
