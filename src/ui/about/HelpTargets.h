#pragma once

#include <QString>
#include <QUrl>

namespace folidex {

// What the Help menu and the about box's links hand to the desktop to open.
QUrl WebSiteTarget();
// "mailto:", the support address, "?subject=Folidex".
QUrl SupportMailTarget();
// The help document that lies beside the executable in `executableFolder`.
QUrl HelpDocumentTarget(const QString& executableFolder);

}  // namespace folidex
