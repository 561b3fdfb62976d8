#include "core/settings/IniFile.h"

#include <gtest/gtest.h>

namespace folidex {
namespace {

TEST(IniFile, FindsNamesWithoutRegardToCaseBlanksOrLineEndings) {
  const IniFile ini(
      "\xEF\xBB\xBF; saved by hand\n"
      "orphan=before any section\n"
      "  [ grid ]  \n"
      "a line without an equals sign\n"
      "  STYLE  =  5  \r\n"
      "[General]\r\n"
      "StartupFolder=/home/me\r\n");
  EXPECT_EQ(ini.Find("Grid", "Style"), "5");
  EXPECT_EQ(ini.Find("general", "startupfolder"), "/home/me");
  EXPECT_EQ(ini.Find("", "orphan"), std::nullopt);
  EXPECT_EQ(ini.Find("Grid", "StartupFolder"), std::nullopt);
  EXPECT_EQ(ini.Find("Missing", "Style"), std::nullopt);
}

TEST(IniFile, FirstSectionAndFirstKeyOfANameWin) {
  const IniFile ini(
      "[Grid]\n"
      "Style=2\n"
      "style=3\n"
      "[GRID]\n"
      "Style=4\n"
      "BackColor=255\n");
  EXPECT_EQ(ini.Find("Grid", "Style"), "2");
  // Only the first "Grid" section is searched.
  EXPECT_EQ(ini.Find("Grid", "BackColor"), std::nullopt);
}

TEST(IniFile, ValueIsTheTextAfterTheFirstEqualsSignWithoutBlanksAndOnePairOfQuotes) {
  const IniFile ini(
      "[S]\n"
      "Equation = a=b \n"
      "Double=\" spaced \"\n"
      "Single='x'\n"
      "Nested=\"'q'\"\n"
      "Unmatched=\"x'\n"
      "Lone=\"\n"
      "Empty=\n"
      "Blank=   \n");
  EXPECT_EQ(ini.Find("S", "Equation"), "a=b");
  EXPECT_EQ(ini.Find("S", "Double"), " spaced ");
  EXPECT_EQ(ini.Find("S", "Single"), "x");
  EXPECT_EQ(ini.Find("S", "Nested"), "'q'");
  EXPECT_EQ(ini.Find("S", "Unmatched"), "\"x'");
  EXPECT_EQ(ini.Find("S", "Lone"), "\"");
  EXPECT_EQ(ini.Find("S", "Empty"), "");
  EXPECT_EQ(ini.Find("S", "Blank"), "");
}

TEST(IniFile, ReadCutsToTheLimitAndFallsBackOnlyForMissingKeys) {
  const IniFile ini("[S]\nNumber=123\nEmpty=\nWide=\xC3\xA4\xC3\xB6\xC3\xBC\n");
  EXPECT_EQ(ini.Read("S", "Number", "1", 2), "12");
  EXPECT_EQ(ini.Read("S", "Empty", "1", 2), "");
  EXPECT_EQ(ini.Read("S", "Missing", "-2147483640", 17), "-2147483640");
  EXPECT_EQ(ini.Read("S", "Missing", "long default", 4), "long");
  // Characters, not bytes: a UTF-8 sequence is never split.
  EXPECT_EQ(ini.Read("S", "Wide", "", 2), "\xC3\xA4\xC3\xB6");
}

TEST(IniFile, SetChangesOnlyItsKeyAndWritesCrLf) {
  IniFile ini(
      "\xEF\xBB\xBF; comment\n"
      "[grid]\n"
      "  style = 5 \n"
      "Unknown=kept\n"
      "junk line\n"
      "\n"
      "[Other]\n"
      "Key=value");
  ASSERT_TRUE(ini.Set("Grid", "Style", "7"));
  ASSERT_TRUE(ini.Set("Grid", "ShowGrid", "1"));
  ASSERT_TRUE(ini.Set("General", "StartupFolder", "/home/me"));
  ASSERT_TRUE(ini.Set("Empty", "Key", ""));
  EXPECT_EQ(ini.Text(),
            "\xEF\xBB\xBF; comment\r\n"
            "[grid]\r\n"
            "  style =7\r\n"
            "Unknown=kept\r\n"
            "ShowGrid=1\r\n"
            "junk line\r\n"
            "\r\n"
            "[Other]\r\n"
            "Key=value\r\n"
            "[General]\r\n"
            "StartupFolder=/home/me\r\n"
            "[Empty]\r\n"
            "Key=\r\n");
}

TEST(IniFile, SetAddsAKeyRightAfterTheHeaderOfASectionWithoutKeys) {
  IniFile ini("[A]\n; nothing yet\n[B]\nX=1\n");
  ASSERT_TRUE(ini.Set("a", "Y", "2"));
  EXPECT_EQ(ini.Text(), "[A]\r\nY=2\r\n; nothing yet\r\n[B]\r\nX=1\r\n");
}

TEST(IniFile, SetValuesReadBackUnchanged) {
  IniFile ini;
  for (const std::string value : {" lead", "trail\t", "\"quoted\"", "'single'", "\"\"", "a\"b", "=", ""}) {
    ASSERT_TRUE(ini.Set("S", "K", value)) << value;
    EXPECT_EQ(IniFile(ini.Text()).Find("S", "K"), value);
  }
}

TEST(IniFile, SetRefusesLineBreaksAndChangesNothing) {
  IniFile ini("[S]\nK=old\n");
  EXPECT_FALSE(ini.Set("S", "K", "new\n[S]"));
  EXPECT_FALSE(ini.Set("S", "Other", "a\rb"));
  EXPECT_EQ(ini.Text(), "[S]\r\nK=old\r\n");
}

}  // namespace
}  // namespace folidex
