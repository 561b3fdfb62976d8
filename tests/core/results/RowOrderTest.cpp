#include <gtest/gtest.h>

#include "core/results/RowOrder.h"
#include "support/FoundFiles.h"

namespace folidex {
namespace {

using test::At;
using test::Found;
using Names = std::vector<std::string>;

// The names of `files` in the order a click on `column` sorts them.
Names Sorted(const std::vector<FoundFile>& files, Column column, bool ascending) {
  ResultTable table;
  for (const FoundFile& file : files) table.Append(file);
  Names names;
  for (const std::size_t row : SortedRowOrder(table, column, ascending))
    names.push_back(table.Row(row).file.facts.name);
  return names;
}

// By the kilobytes shown, as numbers ("10,000 KB" after "9,000 KB"); files of the same
// kilobytes keep their order whatever their bytes.
TEST(RowOrder, SizesSortAsKilobytes) {
  const std::vector<FoundFile> files{Found("10000k", 10000 * 1024), Found("9k", 9 * 1024),
                                     Found("9000k", 9000 * 1024),   Found("1024k", 1024 * 1024),
                                     Found("9k-short", 8193),       Found("10k", 10 * 1024)};
  EXPECT_EQ(Sorted(files, kSize, true), (Names{"9k", "9k-short", "10k", "1024k", "9000k", "10000k"}));
  EXPECT_EQ(Sorted(files, kSize, false), (Names{"10000k", "9000k", "1024k", "10k", "9k", "9k-short"}));
}

// As date and time to the minute: 12 o'clock comes before 1 in the morning and after 11:59
// before noon; times within one minute keep their order.
TEST(RowOrder, DatesSortAsTimesToTheMinute) {
  const std::vector<FoundFile> files{Found("pm-12-30-late", 1, 1, At(2005, 7, 26, 12, 30, 59)),
                                     Found("next-year", 1, 1, At(2006, 2, 11)),
                                     Found("am-1", 1, 1, At(2005, 7, 26, 1)),
                                     Found("pm-1", 1, 1, At(2005, 7, 26, 13)),
                                     Found("am-12-05", 1, 1, At(2005, 7, 26, 0, 5)),
                                     Found("pm-12-30-early", 1, 1, At(2005, 7, 26, 12, 30, 1)),
                                     Found("am-11-59", 1, 1, At(2005, 7, 26, 11, 59))};
  EXPECT_EQ(Sorted(files, kModifiedDate, true),
            (Names{"am-12-05", "am-1", "am-11-59", "pm-12-30-late", "pm-12-30-early", "pm-1", "next-year"}));
  EXPECT_EQ(Sorted(files, kModifiedDate, false),
            (Names{"next-year", "pm-1", "pm-12-30-late", "pm-12-30-early", "am-11-59", "am-1", "am-12-05"}));
}

// Files that could not be counted come after every count, among themselves in their order.
TEST(RowOrder, FailedCountsSortAfterEveryNumber) {
  const std::vector<FoundFile> files{Found("12", 1, 12), Found("error-1", 1, -1), Found("100", 1, 100),
                                     Found("error-2", 1, -1), Found("0", 1, 0)};
  EXPECT_EQ(Sorted(files, kPages, true), (Names{"0", "12", "100", "error-1", "error-2"}));
  EXPECT_EQ(Sorted(files, kPages, false), (Names{"error-1", "error-2", "100", "12", "0"}));
}

// Names compare without regard to case, and equal keys keep their order also in long lists.
TEST(RowOrder, NamesIgnoreCaseAndEqualKeysKeepTheirOrder) {
  const std::vector<FoundFile> names{Found("b"), Found("A"), Found("a"), Found("C")};
  EXPECT_EQ(Sorted(names, kFileName, true), (Names{"A", "a", "b", "C"}));
  EXPECT_EQ(Sorted(names, kFileName, false), (Names{"C", "b", "A", "a"}));

  std::vector<FoundFile> many;
  Names odd, even;
  for (int i = 0; i < 20; ++i) {
    many.push_back(Found("f" + std::to_string(100 + i), 1, i % 2));
    (i % 2 ? odd : even).push_back(many.back().facts.name);
  }
  Names expected = even;
  expected.insert(expected.end(), odd.begin(), odd.end());
  EXPECT_EQ(Sorted(many, kPages, true), expected);
}

}  // namespace
}  // namespace folidex
