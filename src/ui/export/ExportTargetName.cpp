#include "ui/export/ExportTargetName.h"

namespace folidex {

QString DefaultExportName(const QDate& today) { return today.toString("yyyy_MM_dd") + "_Data"; }

QString ExportTargetPath(const QString& folder, const QString& name, const QString& extension) {
  const QString suffix = "." + extension;
  const QString stem = name.endsWith(suffix, Qt::CaseSensitive) ? name.chopped(suffix.size()) : name;
  return folder + "/" + stem + suffix;
}

}  // namespace folidex
