#include "cli/JsonReport.h"

#include "cli/JsonRecords.h"

namespace folidex::cli {

JsonReport::JsonReport(std::ostream& out, bool quiet) : out_(out), quiet_(quiet) {
  out_ << '{';
  if (!quiet_) out_ << "\"files\":[";
}

void JsonReport::File(const ListedFile& listed) {
  if (quiet_) return;
  JsonObject object;
  AddFileMembers(object, listed);
  out_ << (firstFile_ ? "\n" : ",\n") << object.Json();
  firstFile_ = false;
}

void JsonReport::Finish(const Report& report) {
  if (!quiet_) out_ << "\n],";
  JsonObject rest;
  if (report.folders != nullptr) {
    std::string folders = "[";
    for (const FolderTotal& folder : *report.folders) {
      JsonObject object;
      AddFolderMembers(object, folder);
      folders += (folders.size() > 1 ? ",\n" : "\n") + object.Json();
    }
    rest.Raw("folders", folders + "\n]");
  }
  AddSummaryMembers(rest, report);
  out_ << rest.Members() << "}\n";
}

}  // namespace folidex::cli
