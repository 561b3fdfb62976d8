#include <gtest/gtest.h>

#include "cli/JsonObject.h"
#include "cli/TerminalText.h"
#include "support/FoundFiles.h"

namespace folidex::cli {
namespace {

using std::chrono::seconds;

TEST(TextForms, IsoTimesCarryTheOffsetOrFallBackToUtc) {
  const LocalTime noon = test::At(2024, 2, 29, 12, 5, 9);
  EXPECT_EQ(IsoTime(noon, seconds{3600}), "2024-02-29T12:05:09+01:00");
  EXPECT_EQ(IsoTime(noon, seconds{-12600}), "2024-02-29T12:05:09-03:30");
  EXPECT_EQ(IsoTime(noon, seconds{0}), "2024-02-29T12:05:09+00:00");
  // Amsterdam's local mean time, +00:19:32, has no ISO 8601 offset: the moment is given in UTC.
  EXPECT_EQ(IsoTime(test::At(1930, 1, 1, 0, 10, 0), seconds{1172}), "1929-12-31T23:50:28Z");
}

TEST(TextForms, JsonReplacesEachIllFormedRunAndKeepsTheBytes) {
  const auto json = [](std::string_view text) { return JsonObject().Text("name", text).Json(); };
  EXPECT_EQ(json("Zoë \"q\"\\\x01.pdf"), "{\"name\":\"Zoë \\\"q\\\"\\\\\\u0001.pdf\"}");
  // As Unicode's "maximal subpart" practice (and Python's decoder) has it: a surrogate
  // is three runs, a cut sequence one, an overlong form two, a lead byte past U+10FFFF one
  // and each of its continuation bytes one.
  EXPECT_EQ(
      json("a\xed\xa0\x80"
           "b\xe2\x82"
           "c\xc0\xaf"
           "d\xf5\x80"),
      "{\"name\":\"a\uFFFD\uFFFD\uFFFDb\uFFFDc\uFFFD\uFFFDd\uFFFD\uFFFD\",\"nameBase64\":\"Ye2ggGLigmPAr2T1gA==\"}");
}

TEST(TextForms, TheTerminalSeesNoControlCharacter) {
  EXPECT_EQ(TerminalText("a\tb\\c\x7f"
                         "d\xc2\x9b"
                         "e\xe9 \xc3\xa9 \xe2\x82\xac"),
            "a\\tb\\\\c\\x7fd\\u009be\\xe9 \xc3\xa9 \xe2\x82\xac");
}

}  // namespace
}  // namespace folidex::cli
