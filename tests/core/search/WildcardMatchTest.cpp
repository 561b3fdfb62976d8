#include <gtest/gtest.h>

#include "core/search/WildcardMatch.h"

namespace folidex {
namespace {

using Patterns = std::vector<std::string>;

TEST(SplitFilterPatterns, SplitsAtSemicolonsFirstThenCommasAndKeepsPiecesAsTheyAre) {
  EXPECT_EQ(SplitFilterPatterns("*.pdf;*.doc"), (Patterns{"*.pdf", "*.doc"}));
  EXPECT_EQ(SplitFilterPatterns("*.pdf, *.doc"), (Patterns{"*.pdf", " *.doc"}));
  EXPECT_EQ(SplitFilterPatterns("*.pdf;*.doc,*.txt"), (Patterns{"*.pdf", "*.doc,*.txt"}));
  EXPECT_EQ(SplitFilterPatterns("*.pdf;;*.txt;"), (Patterns{"*.pdf", "", "*.txt", ""}));
  EXPECT_EQ(SplitFilterPatterns("*.pdf"), (Patterns{"*.pdf"}));
  EXPECT_TRUE(SplitFilterPatterns("  *.*  ").empty());
}

TEST(MatchesAnyPattern, ListsPdfNamesInAnyCaseOnly) {
  const Patterns pdf = SplitFilterPatterns("*.pdf");
  EXPECT_TRUE(MatchesAnyPattern("a.pdf", pdf));
  EXPECT_TRUE(MatchesAnyPattern("Report.PDF", pdf));
  EXPECT_TRUE(MatchesAnyPattern(".pdf", pdf));
  EXPECT_TRUE(MatchesAnyPattern("Überblick Ärzte.Pdf", pdf));
  EXPECT_FALSE(MatchesAnyPattern("a.pdf.bak", pdf));
  EXPECT_FALSE(MatchesAnyPattern("notes.txt", pdf));
  EXPECT_FALSE(MatchesAnyPattern("pdf", pdf));
  EXPECT_TRUE(MatchesAnyPattern("a.pdf", {"*.PDF"}));
}

TEST(MatchesAnyPattern, FollowsTheWildcardRules) {
  EXPECT_TRUE(MatchesAnyPattern("notes.doc", SplitFilterPatterns("*.pdf, *.doc")));  // leading blank ignored
  EXPECT_FALSE(MatchesAnyPattern("notes.doc", SplitFilterPatterns("*.pdf;*.doc,*.txt")));
  EXPECT_FALSE(MatchesAnyPattern("notes.txt", SplitFilterPatterns("*.pdf;*.doc,*.txt")));
  EXPECT_TRUE(MatchesPattern("README", "*.*"));
  EXPECT_FALSE(MatchesPattern("a.pdf", ""));
  EXPECT_FALSE(MatchesPattern("a.pdf", "   "));
  EXPECT_TRUE(MatchesPattern("é.pdf", "?.pdf"));  // "?" is one character, not one byte
  EXPECT_FALSE(MatchesPattern("ab.pdf", "?.pdf"));
  EXPECT_TRUE(MatchesPattern("report-2004-final.pdf", "report*20??*.pdf"));
  EXPECT_FALSE(MatchesPattern("report-2004.pdf", "report*20??*x.pdf"));
  EXPECT_TRUE(MatchesPattern("ÉTÉ.PDF", "été.pdf"));
}

}  // namespace
}  // namespace folidex
