#pragma once

#include <QDate>
#include <QString>

namespace folidex {

// The name the export dialog proposes: the date as yyyy_MM_dd followed by "_Data".
QString DefaultExportName(const QDate& today);

// The full path of the export target: folder, "/", name, ".", extension. A name that
// already ends in exactly "." and the extension (same case) does not get it twice.
QString ExportTargetPath(const QString& folder, const QString& name, const QString& extension);

}  // namespace folidex
