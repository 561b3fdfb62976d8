#include <gtest/gtest.h>

#include "cli/CliOptions.h"

namespace folidex::cli {
namespace {

using Args = std::vector<std::string>;

// The message of the usage error the arguments give; empty when they are accepted.
std::string Refusal(const Args& args) {
  try {
    ParseCliOptions(args);
  } catch (const UsageError& error) {
    return error.what();
  }
  return {};
}

TEST(CliOptions, EngineChoosesOnePageCounterOrBothByDefault) {
  EXPECT_EQ(ParseCliOptions({}).engine, PageEngine::Auto);
  EXPECT_EQ(ParseCliOptions({"--engine", "fast"}).engine, PageEngine::Fast);
  EXPECT_EQ(ParseCliOptions({"--engine", "qpdf", "some/folder"}).engine, PageEngine::Qpdf);
  EXPECT_THROW(ParseCliOptions({"--engine", "mupdf"}), UsageError);
  EXPECT_THROW(ParseCliOptions({"--engine"}), UsageError);
}

TEST(CliOptions, FollowGnuConventions) {
  const CliOptions combined = ParseCliOptions({"-rqj4", "docs"});
  EXPECT_TRUE(combined.criteria.includeSubfolders);
  EXPECT_TRUE(combined.quiet);
  EXPECT_EQ(combined.jobs, 4u);
  EXPECT_EQ(combined.paths, Args{"docs"});

  const CliOptions attached = ParseCliOptions({"--jobs=3", "--format=json", "--form", "jsonl", "-j", "5"});
  EXPECT_EQ(attached.jobs, 5u);  // the last one given counts
  EXPECT_EQ(attached.format, OutputFormat::JsonLines);

  // Options after paths, two-value options among them, and "--" ending the options.
  const CliOptions mixed =
      ParseCliOptions({"a", "--between", "2024-01-01", "2024-02-01", "b", "-a", "--", "-r", "--size-between", "c"});
  EXPECT_EQ(mixed.paths, (Args{"a", "b", "-r", "--size-between", "c"}));
  EXPECT_TRUE(mixed.criteria.showHidden);
  EXPECT_FALSE(mixed.criteria.includeSubfolders);
  EXPECT_TRUE(mixed.criteria.dateEnabled);
  EXPECT_EQ(mixed.criteria.dateMode, SearchCriteria::DateMode::Between);

  EXPECT_EQ(ParseCliOptions({}).paths, Args{"."});
  EXPECT_EQ(ParseCliOptions({"-"}).paths, Args{"-"});
}

TEST(CliOptions, SizeBoundsMakeARangeAndClashingCriteriaAreRefused) {
  const SearchCriteria range = ParseCliOptions({"--size-at-most", "1500", "--size-at-least", "5"}).criteria;
  EXPECT_TRUE(range.sizeEnabled);
  EXPECT_EQ(range.sizeMode, SearchCriteria::SizeMode::Between);
  EXPECT_EQ(range.sizeFrom, "5");
  EXPECT_EQ(range.sizeTo, "1500");

  const SearchCriteria atMost = ParseCliOptions({"--size-at-most", "7"}).criteria;
  EXPECT_EQ(atMost.sizeMode, SearchCriteria::SizeMode::At);
  EXPECT_EQ(atMost.sizeBound, SizeBound::AtMost);
  EXPECT_EQ(atMost.sizeLimit, "7");

  EXPECT_EQ(Refusal({"--between", "2024-01-01", "2024-02-01", "--in-last", "3"}),
            "--in-last and --between cannot be combined");
  EXPECT_EQ(Refusal({"--size-at-most", "9", "--size-between", "1", "2"}),
            "--size-between and --size-at-most cannot be combined");
  EXPECT_EQ(Refusal({"--between", "2024-01-01"}), "option '--between' requires two arguments");
  EXPECT_EQ(Refusal({"-j", "0"}), "--jobs takes a number from 1 to 256, not '0'");
}

TEST(CliOptions, SeparatorAndNullNeedWhatTheyApplyTo) {
  EXPECT_NE(Refusal({"--separator", ";"}), "");
  EXPECT_EQ(ParseCliOptions({"--separator", ";", "--export", "list.txt"}).separator, ";");
  for (const char* separator : {"\r", "\n", "\""}) {
    EXPECT_NE(Refusal({"--export", "list.txt", "--separator", separator}).find("CR, LF or a double quote"),
              std::string::npos);
  }
  EXPECT_NE(Refusal({"-0"}), "");
  const CliOptions list = ParseCliOptions({"--files-from", "-", "-0"});
  EXPECT_EQ(list.filesFrom, "-");
  EXPECT_TRUE(list.nullSeparated);
  EXPECT_TRUE(list.paths.empty());  // the list alone says what to search
}

}  // namespace
}  // namespace folidex::cli
