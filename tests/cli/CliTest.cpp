#include <gtest/gtest.h>
#include <sys/wait.h>

#include <sstream>

#include "support/TempTree.h"
#include "support/TestPdf.h"

namespace folidex {
namespace {

using test::MakePdf;
using test::TempTree;

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs folidex-count with its output going to files (so neither is a terminal).
Outcome RunCount(const TempTree& tree, const std::string& arguments) {
  const std::string out = tree.Path(".out"), err = tree.Path(".err");
  const std::string command = "cd '" + tree.Path() + "' && '" FOLIDEX_COUNT_BINARY "' " + arguments + " >'" + out +
                              "' 2>'" + err + "' </dev/null";
  Outcome outcome;
  const int raw = std::system(command.c_str());
  outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  outcome.out = tree.Read(".out");
  outcome.err = tree.Read(".err");
  return outcome;
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
  EXPECT_EQ(run.status, 0);
  std::istringstream lines(run.out);
  std::string line;
  std::vector<std::string> rows;
  while (std::getline(lines, line)) rows.push_back(line);
  ASSERT_EQ(rows.size(), 5u) << run.out;
  EXPECT_EQ(rows[0], "File Name\tLocation\tSize\tModified Date\tPages");
  EXPECT_TRUE(rows[1].starts_with("alpha.pdf\tdocs\t1 KB\t")) << rows[1];
  EXPECT_TRUE(rows[1].ends_with("\t3"));
  EXPECT_TRUE(rows[2].starts_with("beta, the second.pdf\t")) << rows[2];
  EXPECT_TRUE(rows[3].ends_with("\tError"));
  EXPECT_TRUE(rows[4].starts_with("gamma.PDF\tdocs/inner\t")) << rows[4];
  EXPECT_EQ(run.err, "4 file(s) found\nTotal Pages : 16\n");
}

TEST_F(CliTest, CsvQuotesCellsHoldingTheSeparator) {
  const Outcome run = RunCount(tree, "--format csv docs");
  EXPECT_NE(run.out.find("\n\"beta, the second.pdf\",docs,"), std::string::npos) << run.out;
}

TEST_F(CliTest, TableAndQuietPrintTheSummaryOnStdout) {
  const Outcome table = RunCount(tree, "--format table -r docs");
  EXPECT_EQ(table.status, 0);
  EXPECT_TRUE(table.out.starts_with("File Name ")) << table.out;
  EXPECT_TRUE(table.out.ends_with("\n4 file(s) found\nTotal Pages : 16\n")) << table.out;

  const Outcome quiet = RunCount(tree, "-q docs/inner");
  EXPECT_EQ(quiet.out, "1 file(s) found\nTotal Pages : 1\n");
  EXPECT_EQ(RunCount(tree, "-q docs/inner --size-at-least 5000").out, "No file found\nTotal Pages : 0\n");
}

TEST_F(CliTest, JsonCarriesPathsBytesAndErrors) {
  const Outcome run = RunCount(tree, "--format json docs");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("\"name\":\"broken.pdf\""), std::string::npos);
  EXPECT_NE(run.out.find("\"pages\":null,\"error\":true"), std::string::npos);
  EXPECT_NE(run.out.find("\"size\":" + std::to_string(MakePdf(3).size()) + ","), std::string::npos);
  EXPECT_TRUE(run.out.ends_with("],\"fileCount\":3,\"errorCount\":1,\"totalPages\":15}\n")) << run.out;
}

TEST_F(CliTest, FilesGivenByNameAreListedDirectly) {
  const Outcome run = RunCount(tree, "-q docs/inner/gamma.PDF docs/alpha.pdf");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "2 file(s) found\nTotal Pages : 4\n");
}

TEST_F(CliTest, AnUnreadablePathIsNamedAndTheOthersAreStillDone) {
  const Outcome run = RunCount(tree, "-q missing docs/inner");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("'missing'"), std::string::npos) << run.err;
  EXPECT_EQ(run.out, "1 file(s) found\nTotal Pages : 1\n");
}

TEST_F(CliTest, ExportsTheListWithTheSeparatorOfItsType) {
  const Outcome csv = RunCount(tree, "-q --export list.csv --separator ';' docs/inner");
  EXPECT_EQ(csv.status, 0);
  const std::string text = tree.Read("list.csv");
  EXPECT_TRUE(text.starts_with("File Name\tLocation\tSize\tModified Date\tPages\r\ngamma.PDF\tdocs/inner\t1 KB\t"))
      << text;
  EXPECT_TRUE(text.ends_with("\t1\r\n")) << text;

  EXPECT_EQ(RunCount(tree, "-q --export list.txt --separator ';' docs").status, 0);
  EXPECT_NE(tree.Read("list.txt").find("\r\nbeta, the second.pdf;docs;"), std::string::npos);

  const Outcome failed = RunCount(tree, "-q --export missing/list.txt docs");
  EXPECT_EQ(failed.status, 1);
  EXPECT_NE(failed.err.find("Unable to export data."), std::string::npos) << failed.err;
}

TEST_F(CliTest, BadUsageExitsWithTwoAndPointsAtHelp) {
  for (const char* arguments :
       {"--bogus", "--format xml", "--in-last", "--in-last 3w", "--between 2024-02-30 2024-03-01",
        "--size-at-most lots", "--jobs 0", "--separator ab"}) {
    const Outcome run = RunCount(tree, arguments);
    EXPECT_EQ(run.status, 2) << arguments;
    EXPECT_NE(run.err.find("--help"), std::string::npos) << arguments;
    EXPECT_EQ(run.out, "") << arguments;
  }
  EXPECT_EQ(RunCount(tree, "--help").status, 0);
}

}  // namespace
}  // namespace folidex
