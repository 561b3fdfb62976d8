#include <gtest/gtest.h>

#include "core/settings/SystemColor.h"

namespace folidex {
namespace {

TEST(SystemColor, TellsSystemColoursFromRgbAndConvertsBothWays) {
  EXPECT_TRUE(IsSystemColor(-2147483640));
  EXPECT_EQ(SystemColorNumber(-2147483640), 8);
  EXPECT_EQ(SystemColor(8), -2147483640);
  EXPECT_EQ(SystemColor(15), -2147483633);

  EXPECT_FALSE(IsSystemColor(255));
  EXPECT_EQ(SplitRgbColor(255), (RgbParts{255, 0, 0}));
  EXPECT_EQ(RgbColor({0x12, 0x34, 0x56}), 0x00563412);
  EXPECT_EQ(SplitRgbColor(0x00563412), (RgbParts{0x12, 0x34, 0x56}));
  EXPECT_EQ(RgbColor({255, 255, 255}), 0x00FFFFFF);
  EXPECT_FALSE(IsSystemColor(RgbColor({255, 255, 255})));
}

}  // namespace
}  // namespace folidex
