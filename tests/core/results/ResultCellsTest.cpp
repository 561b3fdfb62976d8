#include <gtest/gtest.h>

#include "core/results/ResultCells.h"
#include "support/FoundFiles.h"

namespace folidex {
namespace {

using test::At;

TEST(ResultCells, SizesAreKilobytesRoundedUpAndGrouped) {
  const std::pair<std::uint64_t, const char*> cases[] = {{0, "0 KB"},
                                                         {1, "1 KB"},
                                                         {1024, "1 KB"},
                                                         {1025, "2 KB"},
                                                         {1500000, "1,465 KB"},
                                                         {1024ull * 999999, "999,999 KB"},
                                                         {1024ull * 1000000, "1,000,000 KB"},
                                                         {5ull << 40, "5,368,709,120 KB"}};
  for (const auto& [bytes, shown] : cases) EXPECT_EQ(FormatSize(bytes), shown) << bytes;
}

TEST(ResultCells, ModifiedDatesUseTheTwelveHourClock) {
  EXPECT_EQ(FormatModifiedDate(At(2005, 7, 26, 15, 5)), "07/26/2005 03:05 PM");
  EXPECT_EQ(FormatModifiedDate(At(2005, 7, 26, 0, 7)), "07/26/2005 12:07 AM");
  EXPECT_EQ(FormatModifiedDate(At(2005, 7, 26, 12)), "07/26/2005 12:00 PM");
  EXPECT_EQ(FormatModifiedDate(At(2005, 7, 26, 11, 59, 59)), "07/26/2005 11:59 AM");
}

TEST(ResultCells, AFailureReadsAsItsKindThenWhatExactly) {
  EXPECT_EQ(FormatFailureReason(CountFailure{CountFailure::Kind::TooSlow, "a page tree whose nodes are shared"}),
            "Too slow: a page tree whose nodes are shared");
  EXPECT_EQ(FormatFailureReason(CountFailure{CountFailure::Kind::NotPdf, {}}), "Not a PDF file");
  EXPECT_EQ(FormatFailureReason(PageCount(0)), "");
}

}  // namespace
}  // namespace folidex
