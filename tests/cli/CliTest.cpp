#include <gtest/gtest.h>
#include <unistd.h>

#include <sstream>

#include "CountRun.h"
#include "support/TestPdf.h"

namespace folidex {
namespace {

using test::MakePdf;
using test::Outcome;
using test::RunCount;
using test::TempTree;

std::vector<std::string> Lines(const std::string& text) {
  std::istringstream stream(text);
  std::vector<std::string> lines;
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tree.Write("docs/alpha.pdf", MakePdf(3));
    tree.Write("docs/beta, the second.pdf", MakePdf(12, 4));
    tree.Write("docs/broken.pdf", "%PDF-1.4\nnothing else");
    tree.Write("docs/notes.txt", "not listed");
    tree.Write("docs/inner/gamma.PDF", MakePdf(1));
  }
  TempTree tree;
};

TEST_F(CliTest, TsvListsTheGridColumnsAndSendsTheSummaryToStderr) {
  const Outcome run = RunCount(tree, "-r docs");
  const std::vector<std::string> rows = Lines(run.out);
  ASSERT_EQ(rows.size(), 5u) << run.out;
  EXPECT_EQ(rows[0], "File Name\tLocation\tSize\tModified Date\tPages");
  EXPECT_TRUE(rows[1].starts_with("alpha.pdf\tdocs\t1 KB\t")) << rows[1];
  EXPECT_TRUE(rows[1].ends_with("\t3"));
  EXPECT_TRUE(rows[2].starts_with("beta, the second.pdf\t")) << rows[2];
  EXPECT_TRUE(rows[3].ends_with("\tError"));
  EXPECT_TRUE(rows[4].starts_with("gamma.PDF\tdocs/inner\t")) << rows[4];
  EXPECT_EQ(run.err, "4 file(s) found\nTotal Pages : 16\n");
}

TEST_F(CliTest, TableAndQuietPrintTheSummaryOnStdout) {
  const Outcome table = RunCount(tree, "--format table -r docs");
  EXPECT_TRUE(table.out.starts_with("File Name ")) << table.out;
  EXPECT_TRUE(table.out.ends_with("\n4 file(s) found\nTotal Pages : 16\n")) << table.out;

  const Outcome quiet = RunCount(tree, "-q docs/inner");
  EXPECT_EQ(quiet.out, "1 file(s) found\nTotal Pages : 1\n");
  EXPECT_EQ(RunCount(tree, "-q docs/inner --size-at-least 5000").out, "No file found\nTotal Pages : 0\n");
}

TEST_F(CliTest, ReasonsAddALastColumnThatSaysWhyAFileShowsError) {
  const std::vector<std::string> tsv = Lines(RunCount(tree, "--reasons docs").out);
  ASSERT_EQ(tsv.size(), 4u);
  EXPECT_EQ(tsv[0], "File Name\tLocation\tSize\tModified Date\tPages\tReason");
  EXPECT_TRUE(tsv[1].ends_with("\t3\t")) << tsv[1];
  EXPECT_TRUE(tsv[3].ends_with("\tError\tDamaged: no objects")) << tsv[3];
  const std::vector<std::string> csv = Lines(RunCount(tree, "--reasons --page-sizes --format csv docs/broken.pdf").out);
  ASSERT_EQ(csv.size(), 2u);
  EXPECT_TRUE(csv[0].ends_with(",Pages,Page Sizes,Reason")) << csv[0];
  EXPECT_TRUE(csv[1].ends_with(",Error,,Damaged: no objects")) << csv[1];
  const std::vector<std::string> table = Lines(RunCount(tree, "--reasons --format table docs").out);
  EXPECT_TRUE(table[0].ends_with("Pages  Reason")) << table[0];
  EXPECT_TRUE(table[1].ends_with("  3")) << table[1];
  EXPECT_TRUE(table[3].ends_with("  Error  Damaged: no objects")) << table[3];
  // The export stays as it is.
  RunCount(tree, "-q --reasons --export list.txt docs");
  EXPECT_TRUE(tree.Read("list.txt").starts_with("File Name,Location,Size,Modified Date,Pages\r\n"));
  EXPECT_EQ(tree.Read("list.txt").find("Damaged"), std::string::npos);
}

TEST_F(CliTest, FilesNamedAreListedWhenTheyPassTheDateAndSizeCriteria) {
  tree.Write("docs/.hidden.pdf", MakePdf(2));
  tree.Write("docs/big.pdf", MakePdf(1) + std::string(20 * 1024, ' '));
  ASSERT_TRUE(test::RunCommand("cd '" + tree.Path() +
                               "/docs' && touch -d 2001-05-06 alpha.pdf && touch -d '3 days ago' inner/gamma.PDF"));
  // The name test and the hidden rule are for what the walk finds: a file named is wanted.
  EXPECT_EQ(RunCount(tree, "-q docs/inner/gamma.PDF docs/.hidden.pdf docs/notes.txt").out,
            "3 file(s) found\nTotal Pages : 3\n");
  EXPECT_EQ(RunCount(tree, "-q --in-last 7 docs/alpha.pdf docs/inner/gamma.PDF").out,
            "1 file(s) found\nTotal Pages : 1\n");
  EXPECT_EQ(RunCount(tree, "-q --size-at-least 5 docs/alpha.pdf docs/big.pdf").out,
            "1 file(s) found\nTotal Pages : 1\n");
}

TEST_F(CliTest, FilesFromReadsOnePathALineOrNulSeparatedPaths) {
  tree.Write("list.txt", "docs/alpha.pdf\n\ndocs/inner\n");
  EXPECT_EQ(RunCount(tree, "-q --files-from list.txt").out, "2 file(s) found\nTotal Pages : 4\n");

  // A name holding a line end is one path in find's NUL-separated list.
  tree.Write("odd/two\nlines.pdf", MakePdf(5));
  ASSERT_TRUE(test::RunCommand("cd '" + tree.Path() + "' && find odd docs/inner -iname '*.pdf' -print0 >list0"));
  EXPECT_EQ(RunCount(tree, "-q -0 --files-from - <list0").out, "2 file(s) found\nTotal Pages : 6\n");

  const Outcome missing = RunCount(tree, "-q --files-from nowhere.txt docs/inner");
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "folidex-count: cannot read 'nowhere.txt': No such file or directory\n");
  EXPECT_EQ(missing.out, "1 file(s) found\nTotal Pages : 1\n");
}

TEST_F(CliTest, ExportsTheListWithTheSeparatorOfItsType) {
  const Outcome csv = RunCount(tree, "-q --export list.csv --separator ';' docs/inner");
  const std::string text = tree.Read("list.csv");
  EXPECT_TRUE(text.starts_with("File Name\tLocation\tSize\tModified Date\tPages\r\ngamma.PDF\tdocs/inner\t1 KB\t"))
      << text;
  EXPECT_TRUE(text.ends_with("\t1\r\n")) << text;

  RunCount(tree, "-q --export list.txt --separator ';' docs");
  EXPECT_NE(tree.Read("list.txt").find("\r\nbeta, the second.pdf;docs;"), std::string::npos);

  const Outcome failed = RunCount(tree, "-q --export missing/list.txt docs/inner");
  EXPECT_EQ(failed.status, 1);
  EXPECT_NE(failed.err.find("Unable to export data."), std::string::npos) << failed.err;
}

TEST_F(CliTest, BadUsageExitsWithTwoAndPointsAtHelp) {
  for (const char* arguments :
       {"--bogus", "-rz", "--format xml", "--in-last", "--in-last 3w", "--between 2024-02-30 2024-03-01",
        "--size-at-most lots", "--jobs 0", "--separator ab --export x.txt", "--separator ';'",
        "--in-last 2 --between 2024-01-01 2024-02-01"}) {
    const Outcome run = RunCount(tree, arguments);
    EXPECT_EQ(run.status, 2) << arguments;
    EXPECT_NE(run.err.find("Try 'folidex-count --help'"), std::string::npos) << arguments;
    EXPECT_EQ(run.out, "") << arguments;
  }
  const Outcome help = RunCount(tree, "--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("Exit status:"), std::string::npos);
}

}  // namespace
}  // namespace folidex
