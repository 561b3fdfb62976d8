#include <gtest/gtest.h>

#include "core/results/ResultCells.h"

namespace folidex {
namespace {

using namespace std::chrono;

TEST(ResultCells, SizesAreKilobytesRoundedUpAndGrouped) {
  const struct {
    std::uint64_t bytes;
    const char* key;
  } cases[] = {{0, "0"},
               {1, "1"},
               {1024, "1"},
               {1025, "2"},
               {1500000, "1,465"},
               {1024ull * 999999, "999,999"},
               {1024ull * 1000000, "1,000,000"},
               {5ull << 40, "5,368,709,120"}};
  for (const auto& c : cases) EXPECT_EQ(FormatGrouped(RoundUpKB(c.bytes)), c.key) << c.bytes;
}

TEST(ResultCells, ModifiedDatesUseTheTwelveHourClock) {
  const local_days day{year{2005} / 7 / 26};
  EXPECT_EQ(FormatModifiedDate(day + hours{15} + minutes{5}), "07/26/2005 03:05 PM");
  EXPECT_EQ(FormatModifiedDate(day + minutes{7}), "07/26/2005 12:07 AM");
  EXPECT_EQ(FormatModifiedDate(day + hours{12}), "07/26/2005 12:00 PM");
  EXPECT_EQ(FormatModifiedDate(day + hours{11} + minutes{59} + seconds{59}), "07/26/2005 11:59 AM");
}

TEST(ResultCells, RowCellsCarryEveryColumn) {
  FoundFile file;
  file.facts.name = "report.final.PDF";
  file.facts.folder = "/home/ann/docs";
  file.facts.fullPath = "/home/ann/docs/report.final.PDF";
  file.facts.size = 1500000;
  file.facts.modified = local_days{year{2024} / 2 / 29} + hours{23} + minutes{59};
  file.pages = -3;
  const auto cells = MakeRowCells(file);
  EXPECT_EQ(cells[kFileName], "report.final.PDF");
  EXPECT_EQ(cells[kLocation], "/home/ann/docs");
  EXPECT_EQ(cells[kSize], "1,465 KB");
  EXPECT_EQ(cells[kModifiedDate], "02/29/2024 11:59 PM");
  EXPECT_EQ(cells[kPages], "Error");
  EXPECT_EQ(cells[kFullPath], "/home/ann/docs/report.final.PDF");
  EXPECT_EQ(cells[kSizeKey], "1,465");
  EXPECT_EQ(GetExtension(file.facts.name), "PDF");
  EXPECT_EQ(GetExtension("README"), "");
}

}  // namespace
}  // namespace folidex
