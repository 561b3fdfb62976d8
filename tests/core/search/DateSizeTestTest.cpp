#include <gtest/gtest.h>

#include "core/search/DateSizeTest.h"

namespace folidex {
namespace {

using namespace std::chrono;

LocalTime At(int y, unsigned m, unsigned d, int hour = 0, int minute = 0) {
  return local_days{year{y} / month{m} / day{d}} + hours{hour} + minutes{minute};
}

FileFacts FileStamped(LocalTime modified, std::uint64_t size = 100) {
  FileFacts file;
  file.modified = modified;
  file.accessed = modified;
  file.size = size;
  return file;
}

SearchCriteria InLast(const std::string& count, PeriodUnit unit) {
  SearchCriteria criteria;
  criteria.dateEnabled = true;
  criteria.dateMode = SearchCriteria::DateMode::InLast;
  criteria.periodCount = count;
  criteria.periodUnit = unit;
  return criteria;
}

SearchCriteria SizeAt(SizeBound bound, const std::string& limit) {
  SearchCriteria criteria;
  criteria.sizeEnabled = true;
  criteria.sizeBound = bound;
  criteria.sizeLimit = limit;
  return criteria;
}

TEST(MatchesDateAndSize, InTheLastDaysCoversTheDaysBeforeTodayUpToMidnight) {
  const LocalTime now = At(2026, 6, 10, 14, 30);
  const SearchCriteria oneDay = InLast("1", PeriodUnit::Days);
  EXPECT_TRUE(MatchesDateAndSize(oneDay, FileStamped(At(2026, 6, 9, 8)), now));
  EXPECT_TRUE(MatchesDateAndSize(oneDay, FileStamped(At(2026, 6, 10, 0)), now));
  EXPECT_FALSE(MatchesDateAndSize(oneDay, FileStamped(At(2026, 6, 10, 8)), now));
  EXPECT_FALSE(MatchesDateAndSize(oneDay, FileStamped(At(2026, 6, 8, 23, 59)), now));

  const SearchCriteria today = InLast("0", PeriodUnit::Days);
  EXPECT_TRUE(MatchesDateAndSize(today, FileStamped(At(2026, 6, 10, 0)), now));
  EXPECT_FALSE(MatchesDateAndSize(today, FileStamped(At(2026, 6, 10, 0, 1)), now));
}

TEST(MatchesDateAndSize, MonthStepsFallBackToTheLastDayOfTheMonth) {
  const LocalTime now = At(2025, 3, 31, 9);
  const SearchCriteria oneMonth = InLast("1", PeriodUnit::Months);
  EXPECT_TRUE(MatchesDateAndSize(oneMonth, FileStamped(At(2025, 2, 28, 0)), now));
  EXPECT_FALSE(MatchesDateAndSize(oneMonth, FileStamped(At(2025, 2, 27, 23, 59)), now));
  EXPECT_TRUE(MatchesDateAndSize(InLast("13", PeriodUnit::Months), FileStamped(At(2024, 2, 29, 0)), now));
}

TEST(MatchesDateAndSize, PeriodTextsThatDoNotConvertListNothing) {
  const LocalTime now = At(2026, 6, 10, 12);
  const FileFacts file = FileStamped(At(2026, 6, 9, 12));
  EXPECT_FALSE(MatchesDateAndSize(InLast("", PeriodUnit::Days), file, now));
  EXPECT_FALSE(MatchesDateAndSize(InLast("ten", PeriodUnit::Days), file, now));
  EXPECT_FALSE(MatchesDateAndSize(InLast("40000", PeriodUnit::Days), file, now));
  EXPECT_TRUE(MatchesDateAndSize(InLast("32767", PeriodUnit::Days), file, now));
  EXPECT_FALSE(MatchesDateAndSize(InLast("32767", PeriodUnit::Months), file, now));  // before year 100
}

TEST(MatchesDateAndSize, BetweenUsesBothDaysAtMidnight) {
  SearchCriteria criteria;
  criteria.dateEnabled = true;
  criteria.dateFrom = At(2026, 5, 1, 17);
  criteria.dateTo = At(2026, 5, 3, 17);
  const LocalTime now = At(2026, 6, 1);
  EXPECT_TRUE(MatchesDateAndSize(criteria, FileStamped(At(2026, 5, 1, 0)), now));
  EXPECT_TRUE(MatchesDateAndSize(criteria, FileStamped(At(2026, 5, 3, 0)), now));
  EXPECT_FALSE(MatchesDateAndSize(criteria, FileStamped(At(2026, 5, 3, 10, 15)), now));
  EXPECT_FALSE(MatchesDateAndSize(criteria, FileStamped(At(2026, 4, 30, 23, 59)), now));

  std::swap(criteria.dateFrom, criteria.dateTo);
  EXPECT_FALSE(MatchesDateAndSize(criteria, FileStamped(At(2026, 5, 2, 0)), now));
}

TEST(MatchesDateAndSize, PicksTheTimeStampTheKindNames) {
  FileFacts file = FileStamped(At(2026, 5, 2));
  file.accessed = At(2026, 1, 1);
  SearchCriteria criteria;
  criteria.dateEnabled = true;
  criteria.dateFrom = At(2026, 5, 1);
  criteria.dateTo = At(2026, 5, 3);
  const LocalTime now = At(2026, 6, 1);

  EXPECT_TRUE(MatchesDateAndSize(criteria, file, now));  // modified, the default
  criteria.dateKind = DateKind::LastAccessed;
  EXPECT_FALSE(MatchesDateAndSize(criteria, file, now));
  criteria.dateKind = DateKind::Created;
  EXPECT_FALSE(MatchesDateAndSize(criteria, file, now));  // no creation time known
  file.created = At(2026, 5, 2);
  EXPECT_TRUE(MatchesDateAndSize(criteria, file, now));
  file.created = At(2000, 1, 1);
  EXPECT_FALSE(MatchesDateAndSize(criteria, file, now));
}

TEST(MatchesDateAndSize, SizesAreWholeKilobytesRoundedUp) {
  const LocalTime now = At(2026, 6, 10);
  EXPECT_TRUE(MatchesDateAndSize(SizeAt(SizeBound::AtLeast, "0"), FileStamped(now, 0), now));
  EXPECT_TRUE(MatchesDateAndSize(SizeAt(SizeBound::AtMost, "0"), FileStamped(now, 0), now));
  EXPECT_FALSE(MatchesDateAndSize(SizeAt(SizeBound::AtMost, "0"), FileStamped(now, 1), now));
  EXPECT_TRUE(MatchesDateAndSize(SizeAt(SizeBound::AtLeast, "2"), FileStamped(now, 1025), now));
  EXPECT_FALSE(MatchesDateAndSize(SizeAt(SizeBound::AtLeast, "2"), FileStamped(now, 1024), now));
  EXPECT_FALSE(MatchesDateAndSize(SizeAt(SizeBound::AtLeast, "abc"), FileStamped(now, 1), now));
  EXPECT_FALSE(MatchesDateAndSize(SizeAt(SizeBound::AtLeast, "3000000000"), FileStamped(now, 1), now));

  SearchCriteria between;
  between.sizeEnabled = true;
  between.sizeMode = SearchCriteria::SizeMode::Between;
  between.sizeFrom = "0";
  between.sizeTo = "10";
  EXPECT_TRUE(MatchesDateAndSize(between, FileStamped(now, 0), now));
  EXPECT_TRUE(MatchesDateAndSize(between, FileStamped(now, 10240), now));
  EXPECT_FALSE(MatchesDateAndSize(between, FileStamped(now, 10241), now));
  between.sizeFrom = "11";
  EXPECT_FALSE(MatchesDateAndSize(between, FileStamped(now, 10240), now));
  between.sizeFrom = "";
  EXPECT_FALSE(MatchesDateAndSize(between, FileStamped(now, 0), now));
}

TEST(MatchesDateAndSize, UncheckedCriteriaPassEveryFileWhateverTheBoxesHold) {
  SearchCriteria criteria;
  criteria.periodCount = "";
  criteria.sizeLimit = "letters";
  criteria.dateMode = SearchCriteria::DateMode::InLast;
  EXPECT_TRUE(MatchesDateAndSize(criteria, FileStamped(At(1990, 1, 1)), At(2026, 1, 1)));
}

}  // namespace
}  // namespace folidex
