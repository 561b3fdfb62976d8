#pragma once

#include <string>

namespace folidex {

// Which page counter counts: the fast reader with qpdf as its fallback (the standard), or
// one of them alone, for diagnostics and benchmarks.
enum class PageEngine { Auto, Fast, Qpdf };

// The number of pages of the PDF file at `path`, or a negative value when it cannot be
// counted. Never throws, prints nothing, and may be called from several threads at once.
int CountPagesWith(PageEngine engine, const std::string& path);

// CountPagesWith(PageEngine::Auto, path).
int CountPages(const std::string& path);

}  // namespace folidex
