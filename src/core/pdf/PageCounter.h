#pragma once

#include <string>

namespace folidex {

// The number of pages of the PDF file at `path`, or a negative value when it cannot be
// counted. Never throws, prints nothing, and may be called from several threads at once.
int CountPages(const std::string& path);

}  // namespace folidex
