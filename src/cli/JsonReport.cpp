#include "cli/JsonReport.h"

#include "cli/JsonRecords.h"

namespace folidex::cli {

JsonReport::JsonReport(std::ostream& out, const Listing& listing) : out_(out), listing_(listing) {
  out_ << '{';
  if (!listing_.quiet) out_ << "\"files\":[";
}

void JsonReport::File(const ListedFile& listed) {
  if (listing_.quiet) return;
  JsonObject object;
  AddFileMembers(object, listed, listing_);
  out_ << (firstFile_ ? "\n" : ",\n") << object.Json();
  firstFile_ = false;
}

void JsonReport::Finish(const Report& report) {
  if (!listing_.quiet) out_ << "\n],";
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
