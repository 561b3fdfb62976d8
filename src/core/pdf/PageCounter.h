#pragma once

#include <atomic>
#include <string>

#include "core/pdf/PageCount.h"

namespace folidex {

// Which page counter counts: the fast reader with the recovery and qpdf behind it (the
// standard), our own reader alone (the fast reader and the recovery), or qpdf alone, for
// diagnostics and benchmarks.
enum class PageEngine { Auto, Fast, Qpdf };

// The number of pages of the PDF file at `path`, or why it cannot be counted. The fast
// reader reads the file through its cross-reference data. A file it finds damaged goes to
// the recovery, which rebuilds the index of objects by scanning the file, and then to qpdf,
// which repairs files in its own way; a file that uses what the fast reader lacks
// (a filter) goes to qpdf first and then to the recovery. A failure says why
// the last reader, or the most telling one, gave up. Every bound on the work is a bound
// on bytes, objects or tree nodes, never on time, so a file gets the same answer on any
// machine under any load. A count under way stops, with a Cancelled failure, once
// `cancelRequested` is set. Never throws, prints nothing, does not change the file's
// access time where the system allows that, and may be called from several threads at once.
PageCount CountPagesWith(PageEngine engine, const std::string& path, const std::atomic<bool>& cancelRequested);
PageCount CountPagesWith(PageEngine engine, const std::string& path);

// CountPagesWith(PageEngine::Auto, ...).
PageCount CountPages(const std::string& path, const std::atomic<bool>& cancelRequested);
PageCount CountPages(const std::string& path);

}  // namespace folidex
