#include "ui/results/FilePropertiesDialog.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QFutureWatcher>
#include <QLabel>
#include <QStringList>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <optional>

#include "core/pdf/PageSizes.h"
#include "core/results/ResultCells.h"
#include "ui/results/ScrollingLabel.h"

namespace folidex {
namespace {

constexpr const char* kUnknown = "Unknown";
constexpr const char* kReading = "Reading\u2026";
// Lines of paper sizes shown before they scroll: a file may have hundreds of sizes.
constexpr int kVisibleSizeLines = 16;

QString TimeText(const QDateTime& time) {
  return time.isValid() ? time.toString("dddd, MMMM dd, yyyy, hh:mm:ss AP") : kUnknown;
}

QString SizeText(const QFileInfo& file) {
  if (!file.exists()) return kUnknown;
  const auto bytes = static_cast<std::uint64_t>(file.size());
  return QString::fromStdString(FormatGrouped(bytes) + " bytes (" + FormatGrouped(RoundUpKB(bytes)) + " KB)");
}

// "rw-r--r--" for the owner, the group and everybody else.
QString PermissionText(const QFileInfo& file) {
  if (!file.exists()) return kUnknown;
  const QFile::Permissions granted = file.permissions();
  const QFile::Permission flags[] = {QFile::ReadOwner, QFile::WriteOwner, QFile::ExeOwner,
                                     QFile::ReadGroup, QFile::WriteGroup, QFile::ExeGroup,
                                     QFile::ReadOther, QFile::WriteOther, QFile::ExeOther};
  QString text;
  for (int i = 0; i < 9; ++i) text += granted.testFlag(flags[i]) ? "rwx"[i % 3] : '-';
  return text;
}

// One line for each paper size the file's pages have, with their number: "A4: 10".
QString PaperSizesText(const std::string& path, const PageCount& pages, const std::atomic<bool>& closed) {
  const std::optional<PaperSizeTally> sizes = ReadPaperSizes(path, pages, closed);
  if (!sizes) return kUnknown;
  QStringList lines;
  for (const auto& [size, pages] : *sizes) {
    lines << QString::fromStdString(PaperSizeText(size) + ": " + FormatGrouped(static_cast<std::uint64_t>(pages)));
  }
  return lines.join('\n');
}

// A value shown as it is, never read as markup. A path may wrap: a long one takes lines,
// broken after a "/", rather than a window wider than the screen.
QLabel* Value(const QString& text, bool wrap = false) {
  auto* label = new QLabel(text);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(wrap);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

FilePropertiesDialog::FilePropertiesDialog(const QString& path, const PageCount& pages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  const QFileInfo file(path);
  setObjectName("dlgFileProperties");
  setWindowTitle(file.fileName() + " Properties");
  auto* facts = new QFormLayout;
  facts->addRow("Name:", Value(file.fileName(), true));
  facts->addRow("Folder:", Value(file.absolutePath(), true));
  facts->addRow("Size:", Value(SizeText(file)));
  facts->addRow("Created:", Value(TimeText(file.birthTime())));
  facts->addRow("Modified:", Value(TimeText(file.lastModified())));
  facts->addRow("Accessed:", Value(TimeText(file.lastRead())));
  facts->addRow("Permissions:", Value(PermissionText(file)));
  facts->addRow("Owner:", Value(file.exists() ? file.owner() : kUnknown));
  facts->addRow("Pages:", Value(QString::fromStdString(FormatPages(pages))));
  if (!pages.Counted()) facts->addRow("Reason:", Value(QString::fromStdString(FormatFailureReason(pages)), true));
  paperSizes_ = new ScrollingLabel(Value(pages.Counted() ? kReading : kUnknown), kVisibleSizeLines);
  facts->addRow("Paper sizes:", paperSizes_);
  if (pages.Counted()) ReadPaperSizesAside(path, pages);
  // A caption stands level with the first line of its value, also beside a value of many
  // lines, where the form would otherwise centre it a little way down.
  for (int row = 0; row < facts->rowCount(); ++row) {
    if (auto* caption = qobject_cast<QLabel*>(facts->itemAt(row, QFormLayout::LabelRole)->widget())) {
      caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(facts);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

FilePropertiesDialog::~FilePropertiesDialog() { *closed_ = true; }

// The sizes take a read of the whole page tree, which on a slow share or a large damaged
// file may take a while: the window opens at once and shows them when they are known. A
// window closed first stops the read, and the answer goes nowhere.
void FilePropertiesDialog::ReadPaperSizesAside(const QString& path, const PageCount& pages) {
  auto* reading = new QFutureWatcher<QString>(this);
  connect(reading, &QFutureWatcherBase::finished, this, [this, reading] { paperSizes_->SetText(reading->result()); });
  reading->setFuture(QtConcurrent::run(
      [path = path.toStdString(), pages, closed = closed_] { return PaperSizesText(path, pages, *closed); }));
}

}  // namespace folidex
