#pragma once

#include <string>

namespace folidex {

// Counts the page leaves reached from the catalog's page tree with qpdf, which repairs
// damaged cross-reference data and decrypts files that open with an empty password.
// Kids that lead back to a page-tree node on the current path are ignored.
// Returns a negative value when the file cannot be counted; never throws.
int CountPagesWithQpdf(const std::string& path);

}  // namespace folidex
