#include <gtest/gtest.h>

#include <string>

#include "core/pdf/PdfParser.h"
#include "core/pdf/PdfReadFailure.h"

namespace folidex::pdf {
namespace {

PdfObject Parse(const std::string& text, ArrayItems arrays) {
  PdfParser parser(text, true);
  return parser.TakeObject(arrays);
}

TEST(PdfParser, SkippedArraysEndAtTheirOwnClosingBracket) {
  const char* kids[] = {
      "[3 0 R 4 0 R]",
      "[3 0 R % ] in a comment\n 4 0 R]",
      "[3 0 R (a ] and a \\) in a string) 4 0 R]",
      "[[3 0 R] [[4 0 R]] true false null -1 +2.5]",
      "[<5D5d> << /Key (]) /Other [1] >> 3 0 R]",
      "[/Name /With#5Dbrackets]",
      "[]",
  };
  for (const char* array : kids) {
    const std::string text = std::string("<< /Kids ") + array + " /Count 7 >>";
    const PdfObject skipped = Parse(text, ArrayItems::Skip);
    EXPECT_TRUE(skipped.Get("Kids").IsArray()) << array;
    EXPECT_TRUE(skipped.Get("Kids").items.empty()) << array;
    EXPECT_EQ(skipped.Get("Count").number, 7) << array;
    EXPECT_EQ(Parse(text, ArrayItems::Keep).Get("Count").number, 7) << array;
  }
  // Kept arrays pack their references apart from their other items.
  const PdfObject kept = Parse("<< /Kids [3 0 R 7 true 4 2 R] >>", ArrayItems::Keep).Get("Kids");
  ASSERT_EQ(kept.references.size(), 2u);
  EXPECT_EQ(PdfObject::Unpack(kept.references[1]).number, 4);
  EXPECT_EQ(PdfObject::Unpack(kept.references[1]).generation, 2);
  EXPECT_EQ(kept.items.size(), 2u);
}

TEST(PdfParser, SkippingAnArrayRefusesWhatKeepingItRefuses) {
  const std::string broken[] = {
      "<< /Kids [3 0 R 4 0 R /Count 2 >>\nendobj\n5 0 obj\n<< /MediaBox [0 0 612 792] >>",  // never closed
      "<< /Kids [3 0 R) /Count 2 >>",
      "<< /Kids [3 0 R (unended] /Count 2 >>",
      "<< /Kids [3 0 R",
      "<< /Kids " + std::string(150, '[') + std::string(150, ']') + " >>",  // nested too deep
  };
  for (const ArrayItems arrays : {ArrayItems::Keep, ArrayItems::Skip}) {
    for (const std::string& text : broken) {
      EXPECT_THROW(Parse(text, arrays), PdfReadFailure) << text;
    }
  }
}

TEST(PdfParser, StringsAndNumbersKeepTheirValues) {
  const PdfObject strings = Parse(
      "[(plain) (a \\(nested\\) \\\\ \\n\\101\\7\\0123 (pair)) (two\\\nlines\r\nend) <48 69\n3>]", ArrayItems::Keep);
  ASSERT_EQ(strings.items.size(), 4u);
  EXPECT_EQ(strings.items[0].text, "plain");
  EXPECT_EQ(strings.items[1].text, std::string("a (nested) \\ \nA\a\n3 (pair)"));
  EXPECT_EQ(strings.items[2].text, "twolines\nend");
  EXPECT_EQ(strings.items[3].text, "Hi0");
  EXPECT_TRUE(strings.items[3].IsString());

  const PdfObject numbers = Parse("[612 -3 +4 .5 -.25 595.276 5. 99999999999999999999 true false]", ArrayItems::Keep);
  const double expected[] = {612, -3, 4, 0.5, -0.25, 595.276, 5, 1e20};
  ASSERT_EQ(numbers.items.size(), 10u);
  for (std::size_t i = 0; i < 8; ++i) EXPECT_DOUBLE_EQ(*numbers.items[i].Number(), expected[i]) << i;
  EXPECT_EQ(numbers.items[8].number, 1);
  EXPECT_EQ(numbers.items[9].number, 0);
  EXPECT_FALSE(numbers.items[9].Number().has_value());
}

}  // namespace
}  // namespace folidex::pdf
