#include "cli/JsonRecords.h"

#include "core/results/ResultCells.h"

namespace folidex::cli {

namespace {

// {"A4": 10, "210×99 mm": 1}, the sizes in their order.
std::string PaperSizesJson(const PaperSizeTally& sizes) {
  JsonObject object;
  for (const auto& [size, pages] : sizes) object.Number(PaperSizeText(size), pages);
  return object.Json();
}

}  // namespace

void AddFileMembers(JsonObject& object, const ListedFile& listed, const Listing& listing) {
  const FoundFile& file = listed.file;
  object.Text("path", file.facts.fullPath)
      .Text("name", file.facts.name)
      .Text("folder", file.facts.folder)
      .Number("size", static_cast<std::int64_t>(file.facts.size))
      .Text("modified", IsoTime(file.facts.modified, file.facts.modifiedUtcOffset));
  if (file.pages.Counted()) {
    object.Number("pages", file.pages.Pages()).Bool("error", false).Null("reason");
  } else {
    object.Null("pages").Bool("error", true).Text("reason", FormatFailureReason(file.pages));
  }
  if (listing.paperSizes) {
    if (listed.paperSizes != nullptr) {
      object.Raw("page_sizes", PaperSizesJson(*listed.paperSizes));
    } else {
      object.Null("page_sizes");
    }
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
  if (report.summary.paperSizes) object.Raw("page_sizes", PaperSizesJson(*report.summary.paperSizes));
}

}  // namespace folidex::cli
