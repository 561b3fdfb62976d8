#include "ui/about/HelpTargets.h"

#include <QDir>

#include "ui/about/ProductInfo.h"

namespace folidex {

QUrl WebSiteTarget() { return QUrl(kWebAddress); }

QUrl SupportMailTarget() { return QUrl(QString("mailto:") + kSupportAddress + "?subject=Folidex"); }

QUrl HelpDocumentTarget(const QString& executableFolder) {
  return QUrl::fromLocalFile(QDir(executableFolder).filePath(kHelpDocumentName));
}

}  // namespace folidex
