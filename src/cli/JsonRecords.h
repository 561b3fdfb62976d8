#pragma once

#include "cli/JsonObject.h"
#include "cli/ReportPrinter.h"

namespace folidex::cli {

// The members JSON and JSON Lines write for a file, a folder's subtotal and the summary.
void AddFileMembers(JsonObject& object, const ListedFile& listed, const Listing& listing);
void AddFolderMembers(JsonObject& object, const FolderTotal& folder);
void AddSummaryMembers(JsonObject& object, const Report& report);

}  // namespace folidex::cli
