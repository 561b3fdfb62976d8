#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <thread>

#include "core/common/Overloaded.h"
#include "core/search/FolderWalk.h"
#include "support/OrdinaryUser.h"
#include "support/TempTree.h"

namespace folidex {
namespace {

using test::TempTree;

// Writes every event as one line, paths relative to the tree, so a test can compare the walk's order.
struct EventLog {
  void operator()(const WalkEvent& event) {
    const auto relative = [&](const std::string& path) {
      const std::size_t start = path.find_first_not_of('/', root.size());
      return start == std::string::npos ? std::string(".") : path.substr(start);
    };
    lines.push_back(std::visit(
        Overloaded{
            [&](const walk::FolderStarted& started) { return "start " + relative(started.folder); },
            [&](const walk::ResultsCleared&) { return std::string("clear"); },
            [&](const FoundFile& file) {
              return "file " + relative(file.facts.fullPath) + " " +
                     (file.pages.Counted() ? std::to_string(file.pages.Pages()) : "failed");
            },
            [&](const walk::FolderUnreadable& unreadable) {
              return "unreadable " + relative(unreadable.folder) + ": " + unreadable.reason;
            },
            [&](const walk::FolderFinished& finished) { return "end " + relative(finished.folder); },
            [&](const walk::SearchEnded& ended) { return std::string(ended.cancelled ? "cancelled" : "done"); },
        },
        event));
  }

  // The lines, or the paths of the files only, joined by "; ".
  std::string Text(bool filesOnly = false) const {
    std::string text;
    for (const std::string& line : lines) {
      if (filesOnly && !line.starts_with("file ")) continue;
      text += (text.empty() ? "" : "; ") + (filesOnly ? line.substr(5, line.rfind(' ') - 5) : line);
    }
    return text;
  }
  std::string Files() const { return Text(true); }

  std::string root;
  std::vector<std::string> lines;
};

// Pages from the file's size, so tests need no real PDFs.
PageCount PagesFromSize(const std::string& path) {
  const auto size = std::filesystem::file_size(path);
  return size == 0 ? PageCount(CountFailure{}) : PageCount(static_cast<std::int32_t>(size));
}

struct Walk {
  explicit Walk(const TempTree& tree, bool subfolders = true, bool hidden = false) : log{tree.Path(), {}} {
    SearchCriteria searched;
    searched.includeSubfolders = subfolders;
    searched.showHidden = hidden;
    criteria.Set(searched);
  }
  // One count at a time unless `jobs` asks for more, so that a count callback sees exactly
  // the files judged before it.
  void Run(const std::string& folder, PageCountFunction count = PagesFromSize, unsigned jobs = 1) {
    RunSearch(folder, criteria, std::ref(log), cancel, {.countPages = std::move(count), .now = {}, .jobs = jobs});
  }
  LiveCriteria criteria;
  std::atomic<bool> cancel{false};
  EventLog log;
};

// Names in any case sort as one alphabet, a folder's own files before its subfolders.
TEST(FolderWalk, ListsAFoldersOwnFilesBeforeItsSubfoldersDepthFirst) {
  TempTree tree;
  for (const auto& [name, bytes] : {std::pair{"b.pdf", "bb"},
                                    {"A.PDF", "a"},
                                    {"C.pdf", "ccccc"},
                                    {"März.pdf", "m"},
                                    {"notes.txt", "x"},
                                    {"a.pdf.bak", "x"},
                                    {"sub1/deep/d.pdf", "dddd"},
                                    {"sub1/c.pdf", "ccc"},
                                    {"Sub2/e.pdf", ""}})
    tree.Write(name, bytes);
  Walk walk(tree);
  walk.Run(tree.Path() + "/");
  EXPECT_EQ(walk.log.Text(),
            "start .; clear; file A.PDF 1; file b.pdf 2; file C.pdf 5; file März.pdf 1; start sub1; file sub1/c.pdf 3; "
            "start sub1/deep; file sub1/deep/d.pdf 4; end sub1/deep; end sub1; start Sub2; file Sub2/e.pdf failed; "
            "end Sub2; end .; done");
  Walk topOnly(tree, false);
  topOnly.Run(tree.Path());
  EXPECT_EQ(topOnly.log.Files(), "A.PDF; b.pdf; C.pdf; März.pdf");
}

TEST(FolderWalk, HiddenFilesNeedTheOptionButHiddenFoldersAreWalked) {
  TempTree tree;
  for (const char* name : {".secret.pdf", ".hidden/visible.pdf", ".hidden/.also.pdf"}) tree.Write(name, "s");
  Walk walk(tree);
  walk.Run(tree.Path());
  EXPECT_EQ(walk.log.Files(), ".hidden/visible.pdf");
  Walk withHidden(tree, true, true);
  withHidden.Run(tree.Path());
  EXPECT_EQ(withHidden.log.Files(), ".secret.pdf; .hidden/.also.pdf; .hidden/visible.pdf");
}

// A folder the user may not read, one gone since its parent was listed, and a missing top
// folder end themselves only, each reported with the system's reason.
TEST(FolderWalk, AFolderThatCannotBeReadEndsThatFolderOnly) {
  TempTree tree;
  for (const char* name : {"a/one.pdf", "b/locked.pdf", "c/three.pdf", "d/gone.pdf"}) tree.Write(name, "1");
  for (const char* folder : {"", "d"}) ASSERT_EQ(chmod(tree.Path(folder).c_str(), 0777), 0);
  ASSERT_EQ(chmod(tree.Path("b").c_str(), 0), 0);
  EXPECT_TRUE(test::RunAsOrdinaryUser([&] {
    Walk walk(tree);
    walk.Run(tree.Path(), [&](const std::string& path) {
      if (path.ends_with("one.pdf")) std::filesystem::remove_all(tree.Path("d"));
      return PageCount(1);
    });
    return walk.log.Text() ==
           "start .; clear; start a; file a/one.pdf 1; end a; start b; unreadable b: Permission denied; end b; "
           "start c; file c/three.pdf 1; end c; start d; unreadable d: No such file or directory; end d; end .; done";
  }));

  Walk missing(tree);
  missing.Run(tree.Path("nowhere"));
  EXPECT_EQ(missing.log.Text(),
            "start nowhere; clear; unreadable nowhere: No such file or directory; end nowhere; done");
}

TEST(FolderWalk, FollowsLinksToFoldersOnceSoALoopEnds) {
  TempTree tree;
  tree.Write("real/doc.pdf", "d");
  std::filesystem::create_directory_symlink(tree.Path("real"), tree.Path("alias"));
  std::filesystem::create_directory_symlink(tree.Path(), tree.Path("real/up"));
  Walk walk(tree);
  walk.Run(tree.Path());
  EXPECT_EQ(walk.log.Files(), "alias/doc.pdf");
}

// A cancel stops before the next file and every pending folder; a count the cancel cut
// short is not reported as a file that could not be counted.
TEST(FolderWalk, CancelStopsBeforeTheNextFileAndDropsTheCountItStopped) {
  TempTree tree;
  for (const char* name : {"a.pdf", "b.pdf", "c.pdf", "sub/d.pdf"}) tree.Write(name, "x");
  Walk walk(tree);
  walk.Run(tree.Path(), [&](const std::string& path) {
    if (path.ends_with("b.pdf")) walk.cancel = true;
    return PageCount(1);
  });
  EXPECT_EQ(walk.log.Files(), "a.pdf; b.pdf");
  EXPECT_TRUE(walk.log.Text().ends_with("; cancelled"));

  for (const unsigned jobs : {1u, 3u}) {
    Walk stopped(tree, false);
    const auto count = [&](const std::string& path) -> PageCount {
      if (!path.ends_with("b.pdf")) return path.ends_with("a.pdf") ? PageCount(CountFailure{}) : PageCount(1);
      stopped.cancel = true;
      return CountFailure{CountFailure::Kind::Cancelled, {}};
    };
    stopped.Run(tree.Path(), count, jobs);
    const std::string files = stopped.log.Files();
    EXPECT_TRUE(files.starts_with("a.pdf") && files.find("b.pdf") == std::string::npos) << jobs << ": " << files;
    EXPECT_TRUE(stopped.log.Text().ends_with("; cancelled")) << jobs;
  }
}

TEST(FolderWalk, CriteriaChangedDuringASearchApplyToLaterFiles) {
  TempTree tree;
  for (const char* name : {"a.pdf", "b.pdf", "c.pdf", "sub/d.pdf"}) tree.Write(name, "x");
  Walk walk(tree);
  walk.Run(tree.Path(), [&](const std::string& path) {
    if (path.ends_with("a.pdf")) {
      SearchCriteria criteria;
      criteria.sizeEnabled = true;
      criteria.sizeBound = SizeBound::AtMost;
      criteria.sizeLimit = "0";  // nothing of one byte passes any more
      criteria.includeSubfolders = true;
      walk.criteria.Set(criteria);
    }
    return PageCount(1);
  });
  EXPECT_EQ(walk.log.Files(), "a.pdf");
  EXPECT_NE(walk.log.Text().find("start sub"), std::string::npos);
}

TEST(FolderWalk, CountingInParallelKeepsTheWalkOrder) {
  TempTree tree;
  for (int folder = 0; folder < 6; ++folder)
    for (int file = 0; file < 7; ++file)
      tree.Write("f" + std::to_string(folder) + "/" + std::string(1, 'a' + file) + ".pdf",
                 std::string(1 + (folder * 7 + file) % 5, 'x'));
  tree.Write("f3/empty/none.txt", "");
  Walk sequential(tree);
  sequential.Run(tree.Path());

  Walk parallel(tree);
  std::atomic<int> calls{0};
  const auto count = [&](const std::string& path) {
    // Later files finish first now and then, so order comes from the stage, not from luck.
    std::this_thread::sleep_for(std::chrono::microseconds(200 * (3 - calls++ % 4)));
    return PagesFromSize(path);
  };
  parallel.Run(tree.Path(), count, 4);
  EXPECT_EQ(parallel.log.lines, sequential.log.lines);
  EXPECT_EQ(calls, 42);
}

TEST(FolderWalk, CancelStopsWithinOneFilePerWorker) {
  TempTree tree;
  for (int file = 0; file < 40; ++file) tree.Write("f" + std::to_string(100 + file) + ".pdf", "x");
  Walk walk(tree);
  std::atomic<int> calls{0};
  const auto count = [&](const std::string&) {
    ++calls;
    walk.cancel = true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return PageCount(1);
  };
  walk.Run(tree.Path(), count, 3);
  EXPECT_GE(calls, 1);
  EXPECT_LE(calls, 3);
  EXPECT_EQ(static_cast<int>(std::count_if(walk.log.lines.begin(), walk.log.lines.end(),
                                           [](const std::string& line) { return line.starts_with("file "); })),
            calls.load());
  EXPECT_EQ(walk.log.lines.back(), "cancelled");
}

}  // namespace
}  // namespace folidex
