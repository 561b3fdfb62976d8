#include "ui/about/AboutBox.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QScreen>
#include <QVBoxLayout>

#include "core/about/SystemInformation.h"
#include "ui/about/HelpTargets.h"
#include "ui/about/ProductInfo.h"
#include "ui/about/ProductPicture.h"
#include "ui/app/DesignSize.h"
#include "ui/app/Twips.h"

namespace folidex {
namespace {

constexpr int kInnerWidth = 6930;   // twips
constexpr int kInnerHeight = 4230;  // twips
constexpr int kPictureSize = 480;   // twips, 32 pixels

// The labels use Verdana where the system has it, and the system's font where it has not.
template <typename Label>
Label* MakeLabel(const char* name, const QString& text, int widthTwips, int heightTwips, bool bold = false) {
  auto* label = new Label(text);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  QFont font = label->font();
  font.setFamilies({"Verdana", font.family()});
  font.setBold(bold);
  label->setFont(font);
  SetDesignSize(*label, widthTwips, heightTwips);
  return label;
}

// A label of several lines: the text wraps inside it.
QLabel* MakeWrappedLabel(const char* name, const QString& text, int widthTwips, int heightTwips) {
  QLabel* label = MakeLabel<QLabel>(name, text, widthTwips, heightTwips);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

QPushButton* MakeButton(const char* name, const QString& caption) {
  auto* button = new QPushButton(caption);
  button->setObjectName(name);
  SetButtonSize(*button, 1395, 375);
  return button;
}

}  // namespace

AboutBox::AboutBox(AboutActions actions, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      actions_(std::move(actions)),
      label3_(MakeLabel<LinkLabel>("Label3", kSupportAddress, 3885, 285)),
      label5_(MakeLabel<LinkLabel>("Label5", kWebAddress, 4125, 285)),
      cmdOk_(MakeButton("cmdOk", "&OK")),
      cmdSysInfo_(MakeButton("cmdSysInfo", "System Info...")) {
  setObjectName("dlgAbout");
  setWindowTitle("About");
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);
  cmdOk_->setDefault(true);
  cmdSysInfo_->setAutoDefault(false);

  auto* image1 = new QLabel;
  image1->setObjectName("Image1");
  const int pictureSize = TwipsToPixels(kPictureSize);
  image1->setPixmap(ProductIcon().pixmap(pictureSize, pictureSize));
  image1->setAlignment(Qt::AlignTop);
  auto* texts = new QVBoxLayout;
  texts->addWidget(MakeLabel<QLabel>("Label1", kProductCaption, 5295, 285, true));
  texts->addWidget(MakeWrappedLabel("Label4", QString::fromUtf8(kLegalNotice), 5295, 405));
  texts->addWidget(label3_);
  texts->addWidget(label5_);
  auto* product = new QHBoxLayout;
  product->setSpacing(0);
  product->addWidget(image1, 0, Qt::AlignTop);
  product->addSpacing(TwipsToPixels(1245 - 300 - kPictureSize));
  product->addLayout(texts, 1);

  auto* line1 = new QFrame;
  line1->setObjectName("Line1");
  line1->setFrameShape(QFrame::HLine);
  line1->setFrameShadow(QFrame::Sunken);

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(cmdOk_);
  buttons->addWidget(cmdSysInfo_);
  buttons->addStretch();
  auto* warning = new QHBoxLayout;
  warning->setSpacing(0);
  warning->addSpacing(TwipsToPixels(360 - 300));
  warning->addWidget(MakeWrappedLabel("Label6", kLegalWarning, 4605, 885), 1);
  warning->addSpacing(TwipsToPixels(5220 - 360 - 4605));
  warning->addLayout(buttons);

  // The frame and its margins as the design places them.
  auto* frame = new QGroupBox;
  auto* inside = new QVBoxLayout(frame);
  inside->setContentsMargins(TwipsToPixels(300), TwipsToPixels(390), TwipsToPixels(180), TwipsToPixels(210));
  inside->addLayout(product);
  inside->addStretch();
  inside->addWidget(line1);
  inside->addLayout(warning);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(TwipsToPixels(60), 0, TwipsToPixels(75), TwipsToPixels(75));
  layout->addWidget(frame);
  FixDialogSize(*this, kInnerWidth, kInnerHeight);

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
