#include "cli/JsonRecords.h"

namespace folidex::cli {

void AddFileMembers(JsonObject& object, const FoundFile& file) {
  object.Text("path", file.facts.fullPath)
      .Text("name", file.facts.name)
      .Text("folder", file.facts.folder)
      .Number("size", static_cast<std::int64_t>(file.facts.size))
      .Text("modified", IsoTime(file.facts.modified, file.facts.modifiedUtcOffset));
  if (file.pages.Counted()) {
    object.Number("pages", file.pages.Pages()).Bool("error", false);
  } else {
    object.Null("pages").Bool("error", true);
  }
}

void AddFolderMembers(JsonObject& object, const FolderTotal& folder) {
  object.Text("path", folder.location)
      .Number("files", folder.files)
      .Number("pages", folder.pages)
      .Number("errors", folder.errors);
}

void AddSummaryMembers(JsonObject& object, const Report& report) {
  object.Number("fileCount", report.summary.files)
      .Number("errorCount", report.summary.errors)
      .Number("totalPages", report.summary.totalPages)
      .Bool("cancelled", report.cancelled);
}

}  // namespace folidex::cli
