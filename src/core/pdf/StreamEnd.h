#pragma once

#include <cstdint>
#include <optional>

#include "core/pdf/PdfFile.h"

namespace folidex::pdf {

// Where the keyword "endstream" ends when it follows, after white space, stream data that
// ends at `dataEnd`. When the file ends inside that keyword, it was cut short just after
// complete data: the end of the file. Nothing when anything else follows the data.
std::optional<std::int64_t> EndOfEndstream(PdfFile& file, std::int64_t dataEnd);

}  // namespace folidex::pdf
