#pragma once

#include "core/pdf/ByteSource.h"

namespace folidex {

// True when "%PDF-" stands within the first KiB, where qpdf looks for it.
bool StartsLikePdf(const ByteSource& source);

// True when the file holds what qpdf needs to read it: to rebuild (`repair`) it, an object
// ("obj") and a trailer dictionary or a cross-reference stream ("trailer" or "XRef")
// anywhere; to read it as it is, "startxref" near its end, where qpdf looks for it first
// (without it qpdf would search the whole file). Junk, zeros and text hold none of these,
// and qpdf would read them whole, slowly, for nothing.
bool WorthHandingToQpdf(const ByteSource& source, bool repair);

}  // namespace folidex
