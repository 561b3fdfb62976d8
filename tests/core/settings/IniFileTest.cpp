#include <gtest/gtest.h>

#include "core/settings/IniFile.h"

namespace folidex {
namespace {

// Lookup and write rules as the settings use them are covered by the settings tests; these
// are the cases the settings keys do not reach.
TEST(IniFile, ValueIsTheTextAfterTheFirstEqualsSignWithOnePairOfQuotesRemoved) {
  const IniFile ini(
      "[S]\n"
      "Equation = a=b \n"
      "Nested=\"'q'\"\n"
      "Unmatched=\"x'\n"
      "Lone=\"\n"
      "Blank=   \n"
      "Wide=\xC3\xA4\xC3\xB6\xC3\xBC\n");
  EXPECT_EQ(ini.Find("S", "Equation"), "a=b");
  EXPECT_EQ(ini.Find("S", "Nested"), "'q'");
  EXPECT_EQ(ini.Find("S", "Unmatched"), "\"x'");
  EXPECT_EQ(ini.Find("S", "Lone"), "\"");
  EXPECT_EQ(ini.Read("S", "Blank", "default", 9), "");
  // The read limit counts characters: a UTF-8 sequence is never split.
  EXPECT_EQ(ini.Read("S", "Wide", "", 2), "\xC3\xA4\xC3\xB6");
}

TEST(IniFile, SetValuesReadBackUnchanged) {
  IniFile ini;
  for (const std::string value : {" lead", "trail\t", "\"quoted\"", "'single'", "\"\"", "a\"b", "=", ""}) {
    ASSERT_TRUE(ini.Set("S", "K", value)) << value;
    EXPECT_EQ(IniFile(ini.Text()).Find("S", "K"), value);
  }
  EXPECT_EQ(ini.Text(), "[S]\r\nK=\r\n");
}

TEST(IniFile, SetAddsAKeyRightAfterTheHeaderOfASectionWithoutKeys) {
  IniFile ini("[A]\n; nothing yet\n[B]\nX=1\n");
  ASSERT_TRUE(ini.Set("a", "Y", "2"));
  EXPECT_EQ(ini.Text(), "[A]\r\nY=2\r\n; nothing yet\r\n[B]\r\nX=1\r\n");
}

}  // namespace
}  // namespace folidex
