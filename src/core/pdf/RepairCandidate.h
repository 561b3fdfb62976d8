#pragma once

#include "core/pdf/ByteSource.h"

namespace folidex {

// True when "%PDF-" stands within the first KiB, where qpdf looks for it.
bool StartsLikePdf(const ByteSource& source);

// True when the file holds what qpdf needs to read or rebuild a PDF at all: an object
// ("obj") and a trailer dictionary or a cross-reference stream ("trailer" or "XRef").
// Junk, zeros and text hold neither, and qpdf would read them whole, slowly, for nothing.
bool HoldsWhatQpdfNeeds(const ByteSource& source);

}  // namespace folidex
