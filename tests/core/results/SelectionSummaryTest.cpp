#include <gtest/gtest.h>

#include "core/results/SelectionSummary.h"
#include "support/FoundFiles.h"

namespace folidex {
namespace {

using test::Found;

// Rows 0 to 4 with 12 pages, a failed count, 0 pages, 7 pages and a deleted file of 100.
ResultTable FiveRows() {
  ResultTable table;
  for (const int pages : {12, -1, 0, 7, 100}) table.Append(Found("f.pdf", 1, pages));
  table.SetRowHidden(4, true);
  return table;
}

TEST(SelectionSummary, CountsTheShownRowsAndTheirPagesAndTheFilesThatFailed) {
  const ResultTable table = FiveRows();
  EXPECT_EQ(SummarizeRows(table, {0, 1, 2, 4}), (SelectionSummary{3, 12, 1}));
  EXPECT_EQ(SummarizeRows(table, {0, 3}), (SelectionSummary{2, 19, 0}));
  EXPECT_EQ(SummarizeRows(table, {4}), (SelectionSummary{0, 0, 0}));
  EXPECT_EQ(SummarizeRows(table, {}), (SelectionSummary{0, 0, 0}));
}

TEST(SelectionSummary, SumsPastTheRangeOfOneFilesCount) {
  ResultTable table;
  for (int i = 0; i < 3; ++i) table.Append(Found("big.pdf", 1, 2147483647));
  EXPECT_EQ(SummarizeRows(table, {0, 1, 2}).pages, 3 * 2147483647LL);
}

}  // namespace
}  // namespace folidex
