#include "cli/JsonLinesReport.h"

#include "cli/JsonRecords.h"

namespace folidex::cli {

void JsonLinesReport::File(const ListedFile& listed) {
  if (listing_.quiet) return;
  JsonObject object;
  AddFileMembers(object.Text("type", "file"), listed, listing_);
  out_ << object.Json() << '\n';
}

void JsonLinesReport::Finish(const Report& report) {
  if (report.folders != nullptr) {
    for (const FolderTotal& folder : *report.folders) {
      JsonObject object;
      AddFolderMembers(object.Text("type", "folder"), folder);
      out_ << object.Json() << '\n';
    }
  }
  JsonObject summary;
  AddSummaryMembers(summary.Text("type", "summary"), report);
  out_ << summary.Json() << '\n';
}

}  // namespace folidex::cli
