#pragma once

#include <string>
#include <string_view>

#include "core/pdf/PdfObject.h"
#include "core/pdf/ReadBudget.h"

namespace folidex::pdf {

// Decodes the data of a stream with the dictionary `stream`: no filter, or Flate with an
// optional PNG predictor. Every decompressed byte is charged to `budget`. Any other filter
// or predictor throws PdfReadFailure::NotUnderstood.
std::string DecodeStream(const PdfObject& stream, std::string_view data, ReadBudget& budget);

}  // namespace folidex::pdf
