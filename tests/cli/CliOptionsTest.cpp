#include <gtest/gtest.h>

#include "cli/CliOptions.h"

namespace folidex::cli {
namespace {

TEST(CliOptions, EngineChoosesOnePageCounterOrBothByDefault) {
  EXPECT_EQ(ParseCliOptions({}).engine, PageEngine::Auto);
  EXPECT_EQ(ParseCliOptions({"--engine", "fast"}).engine, PageEngine::Fast);
  EXPECT_EQ(ParseCliOptions({"--engine", "qpdf", "some/folder"}).engine, PageEngine::Qpdf);
  EXPECT_THROW(ParseCliOptions({"--engine", "mupdf"}), UsageError);
  EXPECT_THROW(ParseCliOptions({"--engine"}), UsageError);
}

}  // namespace
}  // namespace folidex::cli
