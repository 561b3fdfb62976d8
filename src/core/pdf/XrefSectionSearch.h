#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace folidex::pdf {

// Where the last cross-reference section in `text` starts: a classic table ("xref" at the
// start of a line) or a cross-reference stream ("n g obj" with /Type /XRef), whichever
// comes later. Used on the end of a file that lost its "startxref", as a file cut short
// by a few bytes does.
std::optional<std::size_t> FindLastXrefSection(std::string_view text);

// The start of the object header "number generation obj" whose keyword starts at `obj`,
// read backwards; nothing when no such header ends there.
std::optional<std::size_t> ObjectHeaderBefore(std::string_view text, std::size_t obj);

}  // namespace folidex::pdf
