#include <gtest/gtest.h>

#include "core/search/DateSizeTest.h"
#include "support/FoundFiles.h"

namespace folidex {
namespace {

using test::At;

SearchCriteria InLast(const std::string& count, PeriodUnit unit = PeriodUnit::Days) {
  return {.dateEnabled = true, .dateMode = SearchCriteria::DateMode::InLast, .periodCount = count, .periodUnit = unit};
}
SearchCriteria Between(LocalTime from, LocalTime to) { return {.dateEnabled = true, .dateFrom = from, .dateTo = to}; }
SearchCriteria SizeAt(SizeBound bound, const std::string& limit) {
  return {.sizeEnabled = true, .sizeBound = bound, .sizeLimit = limit};
}
SearchCriteria SizeBetween(const std::string& from, const std::string& to) {
  return {.sizeEnabled = true, .sizeMode = SearchCriteria::SizeMode::Between, .sizeFrom = from, .sizeTo = to};
}

// Whether a file of `bytes` modified (and accessed) at `modified` passes, searched at `now`.
bool Passes(const SearchCriteria& criteria, LocalTime modified, LocalTime now, std::uint64_t bytes = 100) {
  FileFacts file;
  file.modified = file.accessed = modified;
  file.size = bytes;
  return MatchesDateAndSize(criteria, file, now);
}

// "In the last N days" runs from midnight N days ago to midnight today, today excluded;
// months step back by calendar months to the month's last day; a period that does not
// convert, or reaches before the year 100, lists nothing.
TEST(MatchesDateAndSize, InTheLastPeriod) {
  const LocalTime now = At(2026, 6, 10, 14, 30);
  const struct {
    SearchCriteria criteria;
    LocalTime modified;
    bool passes;
  } cases[] = {
      {InLast("1"), At(2026, 6, 9, 8), true},      {InLast("1"), At(2026, 6, 10, 0), true},
      {InLast("1"), At(2026, 6, 10, 8), false},    {InLast("1"), At(2026, 6, 8, 23, 59), false},
      {InLast("2"), At(2026, 6, 8, 0), true},      {InLast("0"), At(2026, 6, 10, 0), true},
      {InLast("0"), At(2026, 6, 10, 0, 1), false}, {InLast(""), At(2026, 6, 9, 12), false},
      {InLast("ten"), At(2026, 6, 9, 12), false},  {InLast("40000"), At(2026, 6, 9, 12), false},
      {InLast("32767"), At(2026, 6, 9, 12), true}, {InLast("32767", PeriodUnit::Months), At(2026, 6, 9, 12), false},
  };
  for (const auto& c : cases) EXPECT_EQ(Passes(c.criteria, c.modified, now), c.passes) << "case " << &c - cases;

  const LocalTime endOfMarch = At(2025, 3, 31, 9);
  EXPECT_TRUE(Passes(InLast("1", PeriodUnit::Months), At(2025, 2, 28), endOfMarch));
  EXPECT_FALSE(Passes(InLast("1", PeriodUnit::Months), At(2025, 2, 27, 23, 59), endOfMarch));
  EXPECT_TRUE(Passes(InLast("13", PeriodUnit::Months), At(2024, 2, 29), endOfMarch));
}

// "Between" takes both days at midnight, whatever time the pickers hold.
TEST(MatchesDateAndSize, BetweenTwoDays) {
  const LocalTime now = At(2026, 6, 1);
  const SearchCriteria criteria = Between(At(2026, 5, 1, 17), At(2026, 5, 3, 17));
  EXPECT_TRUE(Passes(criteria, At(2026, 5, 1), now));
  EXPECT_TRUE(Passes(criteria, At(2026, 5, 3), now));
  EXPECT_FALSE(Passes(criteria, At(2026, 5, 3, 10, 15), now));
  EXPECT_FALSE(Passes(criteria, At(2026, 4, 30, 23, 59), now));
  EXPECT_FALSE(Passes(Between(At(2026, 5, 3), At(2026, 5, 1)), At(2026, 5, 2), now));
}

TEST(MatchesDateAndSize, PicksTheTimeStampTheKindNames) {
  FileFacts file;
  file.modified = At(2026, 5, 2);
  file.accessed = At(2026, 1, 1);
  SearchCriteria criteria = Between(At(2026, 5, 1), At(2026, 5, 3));
  const LocalTime now = At(2026, 6, 1);
  EXPECT_TRUE(MatchesDateAndSize(criteria, file, now));  // modified, the default
  criteria.dateKind = DateKind::LastAccessed;
  EXPECT_FALSE(MatchesDateAndSize(criteria, file, now));
  criteria.dateKind = DateKind::Created;
  EXPECT_FALSE(MatchesDateAndSize(criteria, file, now));  // no creation time known
  file.created = At(2026, 5, 2);
  EXPECT_TRUE(MatchesDateAndSize(criteria, file, now));
}

// Sizes are whole kilobytes rounded up, bounds included; a bound that does not convert, or
// lies past the range of the box, lists nothing.
TEST(MatchesDateAndSize, SizesInKilobytes) {
  const struct {
    SearchCriteria criteria;
    std::uint64_t bytes;
    bool passes;
  } cases[] = {
      {SizeAt(SizeBound::AtLeast, "0"), 0, true},
      {SizeAt(SizeBound::AtMost, "0"), 0, true},
      {SizeAt(SizeBound::AtMost, "0"), 1, false},
      {SizeAt(SizeBound::AtLeast, "2"), 1025, true},
      {SizeAt(SizeBound::AtLeast, "2"), 1024, false},
      {SizeAt(SizeBound::AtMost, "2"), 2048, true},
      {SizeAt(SizeBound::AtLeast, "abc"), 1, false},
      {SizeAt(SizeBound::AtLeast, "3000000000"), 1, false},
      {SizeBetween("0", "10"), 0, true},
      {SizeBetween("0", "10"), 10240, true},
      {SizeBetween("0", "10"), 10241, false},
      {SizeBetween("11", "10"), 10240, false},
      {SizeBetween("", "10"), 0, false},
  };
  const LocalTime now = At(2026, 6, 10);
  for (const auto& c : cases) EXPECT_EQ(Passes(c.criteria, now, now, c.bytes), c.passes) << "case " << &c - cases;
}

TEST(MatchesDateAndSize, UncheckedCriteriaPassEveryFileWhateverTheBoxesHold) {
  SearchCriteria criteria = InLast("");
  criteria.dateEnabled = false;
  criteria.sizeLimit = "letters";
  EXPECT_TRUE(Passes(criteria, At(1990, 1, 1), At(2026, 1, 1)));
}

}  // namespace
}  // namespace folidex
