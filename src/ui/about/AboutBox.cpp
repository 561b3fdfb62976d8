#include "ui/about/AboutBox.h"

#include <QGroupBox>
#include <QScreen>

#include "core/about/SystemInformation.h"
#include "ui/about/HelpTargets.h"
#include "ui/about/ProductInfo.h"
#include "ui/app/PlaceControl.h"

namespace folidex {
namespace {

constexpr int kInnerWidth = 6930;   // twips
constexpr int kInnerHeight = 4230;  // twips
constexpr TwipRect kFramePlace{60, 0, 6795, 4155};
// Places inside the frame.
constexpr TwipRect kPicturePlace{300, 450, 480, 480};
constexpr TwipRect kCaptionPlace{1245, 390, 5295, 285};
constexpr TwipRect kNoticePlace{1245, 810, 5295, 405};
constexpr TwipRect kMailLinkPlace{1245, 1440, 3885, 285};
constexpr TwipRect kWebLinkPlace{1260, 1890, 4125, 285};
constexpr TwipRect kRulePlace{-60, 2745, 7140, 30};  // a line from x = -60 to x = 7080 at y = 2760
constexpr TwipRect kWarningPlace{360, 3060, 4605, 885};
constexpr TwipRect kOkButtonPlace{5220, 3090, 1395, 375};
constexpr TwipRect kSysInfoButtonPlace{5220, 3510, 1395, 375};

void UseVerdana(QWidget* label, bool bold = false) {
  QFont font = label->font();
  font.setFamily("Verdana");
  font.setBold(bold);
  label->setFont(font);
}

// A label of several lines keeps its place exactly; the text wraps inside it.
QLabel* AddWrappedText(QWidget* frame, const char* name, const QString& text, const TwipRect& place) {
  auto* label = new QLabel(text, frame);
  label->setObjectName(name);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  UseVerdana(label);
  label->setGeometry(ToPixels(place));
  return label;
}

}  // namespace

AboutBox::AboutBox(AboutActions actions, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      actions_(std::move(actions)) {
  setObjectName("dlgAbout");
  setWindowTitle("About");
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);
  setFixedSize(TwipsToPixels(kInnerWidth), TwipsToPixels(kInnerHeight));

  auto* frame = new QGroupBox(this);
  frame->setGeometry(ToPixels(kFramePlace));

  auto* image1 = new QLabel(frame);
  image1->setObjectName("Image1");
  image1->setPixmap(QPixmap(":/folidex-32.png"));
  image1->setGeometry(ToPixels(kPicturePlace));

  auto* label1 = new QLabel(kProductCaption, frame);
  label1->setObjectName("Label1");
  UseVerdana(label1, true);
  PlaceControl(label1, kCaptionPlace);

  AddWrappedText(frame, "Label4", QString::fromUtf8(kLegalNotice), kNoticePlace);

  label3_ = new LinkLabel(kSupportAddress, frame);
  label3_->setObjectName("Label3");
  UseVerdana(label3_);
  PlaceControl(label3_, kMailLinkPlace);
  label5_ = new LinkLabel(kWebAddress, frame);
  label5_->setObjectName("Label5");
  UseVerdana(label5_);
  PlaceControl(label5_, kWebLinkPlace);

  auto* line1 = new QFrame(frame);
  line1->setObjectName("Line1");
  line1->setFrameShape(QFrame::HLine);
  line1->setFrameShadow(QFrame::Sunken);
  line1->setGeometry(ToPixels(kRulePlace));

  AddWrappedText(frame, "Label6", kLegalWarning, kWarningPlace);

  cmdOk_ = new QPushButton("&OK", frame);
  cmdOk_->setObjectName("cmdOk");
  cmdOk_->setDefault(true);
  PlaceControl(cmdOk_, kOkButtonPlace);
  cmdSysInfo_ = new QPushButton("System Info...", frame);
  cmdSysInfo_->setObjectName("cmdSysInfo");
  cmdSysInfo_->setAutoDefault(false);
  PlaceControl(cmdSysInfo_, kSysInfoButtonPlace);

  connect(cmdOk_, &QPushButton::clicked, this, &AboutBox::cmdOk_Click);
  connect(cmdSysInfo_, &QPushButton::clicked, this, &AboutBox::cmdSysInfo_Click);
  connect(label3_, &LinkLabel::Clicked, this, &AboutBox::Label3_Click);
  connect(label5_, &LinkLabel::Clicked, this, &AboutBox::Label5_Click);

  if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
}

void AboutBox::cmdOk_Click() { close(); }

void AboutBox::cmdSysInfo_Click() {
  if (actions_.startSysInfo()) return;
  actions_.showPlainMessage(this, QString::fromUtf8(kSystemInfoUnavailable.data(), kSystemInfoUnavailable.size()));
}

void AboutBox::Label3_Click() { actions_.open(SupportMailTarget()); }

void AboutBox::Label5_Click() { actions_.open(WebSiteTarget()); }

}  // namespace folidex
