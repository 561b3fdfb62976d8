#include <gtest/gtest.h>
#include <sys/stat.h>

#include <climits>
#include <csignal>
#include <memory>

#include "CountRun.h"
#include "support/TestPdf.h"

namespace folidex {
namespace {

using test::AsOrdinaryUser;
using test::CountProcess;
using test::MakePdf;
using test::Outcome;
using test::RunCount;
using test::TempTree;

TEST(CliStatus, TellsWhetherEveryFileListedWasCounted) {
  TempTree tree;
  tree.Write("good/a.pdf", MakePdf(2));
  tree.Write("mixed/b.pdf", MakePdf(3));
  tree.Write("mixed/broken.pdf", "%PDF-1.4 nothing");
  EXPECT_EQ(RunCount(tree, "good").status, 0);
  EXPECT_EQ(RunCount(tree, "-q mixed").status, 3);
  EXPECT_EQ(RunCount(tree, "good missing").status, 1);
  EXPECT_EQ(RunCount(tree, "mixed missing").status, 1);  // what could not be read weighs more
}

TEST(CliStatus, AFolderThatCannotBeReadIsNamedAndTheWalkGoesOn) {
  TempTree tree;
  tree.Write("docs/a.pdf", MakePdf(2));
  tree.Write("docs/locked/hidden away.pdf", MakePdf(5));
  tree.Write("docs/unsearchable/listed only.pdf", MakePdf(5));
  tree.Write("docs/z/b.pdf", MakePdf(3));
  ASSERT_EQ(chmod(tree.Path("docs/locked").c_str(), 0), 0);
  ASSERT_EQ(chmod(tree.Path("docs/unsearchable").c_str(), 0644), 0);  // may be listed, not searched
  const Outcome run = RunCount(tree, "-r --by-folder --format csv docs", AsOrdinaryUser(tree));
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.out.ends_with("\n\nLocation,Files,Pages,Errors\ndocs,1,2,0\ndocs/z,1,3,0\n")) << run.out;
  EXPECT_EQ(run.err,
            "folidex-count: cannot read 'docs/locked': Permission denied\n"
            "folidex-count: cannot read 'docs/unsearchable': Permission denied\n"
            "2 file(s) found\nTotal Pages : 5\n");
}

TEST(CliStatus, AFolderDeeperThanPathMaxIsWalkedInFull) {
  TempTree tree;
  tree.Write("deep/top.pdf", MakePdf(1));
  const std::string three = tree.Write("three.pdf", MakePdf(3));
  // Beyond what the tree's own clean-up reaches.
  const std::shared_ptr<void> removeDeep(nullptr,
                                         [&](void*) { test::RunCommand("rm -rf '" + tree.Path("deep") + "'"); });
  // Each folder is made from the one above it: a path that long is refused in one call.
  const std::string name(100, 'x');
  std::string below = name;
  for (int level = 1; level < 50; ++level) below += "/" + name;
  ASSERT_TRUE(test::RunCommand("cd '" + tree.Path("deep") + "' && for i in $(seq 50); do mkdir " + name + " && cd -P " +
                               name + " || exit 1; done && cp '" + three + "' deep.pdf"));
  ASSERT_GT(below.size(), static_cast<std::size_t>(PATH_MAX));

  const Outcome walked = RunCount(tree, "-r deep");
  EXPECT_EQ(walked.status, 0) << walked.err.substr(0, 300);
  EXPECT_NE(walked.out.find("\ndeep.pdf\tdeep/" + below + "\t1 KB\t"), std::string::npos);
  EXPECT_EQ(walked.err, "2 file(s) found\nTotal Pages : 4\n");

  // Paper sizes are read from the same file as the count, however deep.
  const Outcome named = RunCount(tree, "-q --page-sizes deep/" + below + "/deep.pdf");
  EXPECT_EQ(named.status, 0) << named.err.substr(0, 300);
  EXPECT_EQ(named.out, "1 file(s) found\nTotal Pages : 3\nPage Sizes : Letter: 3\n");
}

TEST(CliStatus, AnInterruptedRunPrintsWhatItFoundAndSaysSo) {
  TempTree tree;
  tree.Write("a.pdf", MakePdf(3));
  tree.Write("b.pdf", MakePdf(4));
  // The paths come from a list the test is still writing: the run waits for the next one
  // when the signal comes.
  CountProcess json({"-j1", "--files-from", "-", "--format", "json"}, tree.Path("json.err"));
  json.Write(tree.Path("a.pdf") + "\n");
  json.ReadUntil("}");
  json.Signal(SIGINT);
  const std::string report = json.ReadAll();
  EXPECT_EQ(json.Wait(), 130);
  EXPECT_EQ(json.Errors(), "Search Terminated by User\n");
  EXPECT_TRUE(report.ends_with(",\"fileCount\":1,\"errorCount\":0,\"totalPages\":3,\"cancelled\":true}\n")) << report;

  CountProcess tsv({"-j1", "--files-from", "-", "--format", "tsv"}, tree.Path("tsv.err"));
  tsv.Write(tree.Path("b.pdf") + "\n");
  tsv.ReadUntil("\t4\n");
  tsv.Signal(SIGTERM);
  tsv.ReadAll();
  EXPECT_EQ(tsv.Wait(), 143);
  EXPECT_EQ(tsv.Errors(), "1 file(s) found\nTotal Pages : 4\nSearch Terminated by User\n");
}

// A folder the walk meets last, which "nobody" cannot read: a walk that went on to the end
// would name it.
class WalkThatStops : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"a.pdf", "b.pdf", "c.pdf"}) tree.Write(std::string("docs/") + name, MakePdf(1));
    tree.Write("docs/zz/last.pdf", MakePdf(1));
    ASSERT_EQ(chmod(tree.Path("docs/zz").c_str(), 0), 0);
  }
  TempTree tree;
};

TEST_F(WalkThatStops, AtAWriteErrorWithAMessage) {
  const Outcome full = RunCount(tree, "-r -j1 docs >/dev/full", AsOrdinaryUser(tree));
  EXPECT_EQ(full.status, 1);
  EXPECT_EQ(full.err, "folidex-count: write error: No space left on device\n");
  const Outcome help = RunCount(tree, "--help >/dev/full");
  EXPECT_EQ(help.status, 1);
  EXPECT_EQ(help.err, full.err);
}

TEST_F(WalkThatStops, QuietlyWhenThePipeIsClosed) {
  CountProcess run({"-r", "-j1", "--format", "jsonl", tree.Path("docs")}, tree.Path("pipe.err"),
                   test::OrdinaryUserCommand(tree));
  run.CloseOutput();
  EXPECT_EQ(run.Wait(), 141);
  EXPECT_EQ(run.Errors(), "");
}

}  // namespace
}  // namespace folidex
