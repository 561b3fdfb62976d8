#include <gtest/gtest.h>

#include "core/search/WildcardMatch.h"

namespace folidex {
namespace {

// The search lists the names that "*.pdf" matches: in any case, also of letters past ASCII.
TEST(MatchesPattern, ListsPdfNamesInAnyCaseOnly) {
  for (const char* name : {"a.pdf", "Report.PDF", ".pdf", "Überblick Ärzte.Pdf", "ÉTÉ.PDF"})
    EXPECT_TRUE(MatchesPattern(name, "*.pdf")) << name;
  for (const char* name : {"a.pdf.bak", "notes.txt", "pdf", "a.pd"})
    EXPECT_FALSE(MatchesPattern(name, "*.pdf")) << name;
  EXPECT_TRUE(MatchesPattern("été.pdf", "ÉTÉ.PDF"));
}

}  // namespace
}  // namespace folidex
