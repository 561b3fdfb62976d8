#pragma once

#include <atomic>
#include <string>

namespace folidex {

// Which page counter counts: the fast reader with qpdf as its fallback (the standard), or
// one of them alone, for diagnostics and benchmarks.
enum class PageEngine { Auto, Fast, Qpdf };

// The number of pages of the PDF file at `path`, or a negative value when it cannot be
// counted. Every bound on the work is a bound on bytes, objects or tree nodes, never on
// time, so a file gets the same answer on any machine under any load. A count under way
// stops, with a negative value, once `cancelRequested` is set. Never throws, prints
// nothing, does not change the file's access time where the system allows that, and may
// be called from several threads at once.
int CountPagesWith(PageEngine engine, const std::string& path, const std::atomic<bool>& cancelRequested);
int CountPagesWith(PageEngine engine, const std::string& path);

// CountPagesWith(PageEngine::Auto, ...).
int CountPages(const std::string& path, const std::atomic<bool>& cancelRequested);
int CountPages(const std::string& path);

}  // namespace folidex
