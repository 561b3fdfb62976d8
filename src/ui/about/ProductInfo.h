#pragma once

#include "folidex/Version.h"

namespace folidex {

// The maker's addresses and the texts of the about box.
inline constexpr char kSupportAddress[] = "support@folidex.example";
inline constexpr char kLegalNotice[] = "Copyright \u00A9 2026 The Folidex developers. All rights reserved.";
inline constexpr char kLegalWarning[] =
    "Warning: this computer program is protected by copyright law. Unauthorised reproduction or "
    "distribution of this program, or of any part of it, is not permitted.";
inline constexpr char kHelpDocumentName[] = "Folidex.html";

}  // namespace folidex
