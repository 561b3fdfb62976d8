#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/common/TextFile.h"
#include "support/OrdinaryUser.h"
#include "support/TempTree.h"

namespace folidex {
namespace {

namespace fs = std::filesystem;
using test::FolderEntries;
using test::TempTree;

// A write-protected file stays as it is, also for root, and so does another user's file in
// a folder anyone may write to (where the rename would go through).
TEST(ReplaceTextFile, RefusesAFileTheUserMayNotWrite) {
  TempTree tree;
  const fs::path readOnly = tree.Write("a/readonly.ini", "old");
  ASSERT_EQ(chmod(readOnly.c_str(), 0444), 0);
  std::string error;
  EXPECT_FALSE(ReplaceTextFile(readOnly, "new", error));
  EXPECT_TRUE(error.ends_with("Permission denied")) << error;
  EXPECT_EQ(tree.Read("a/readonly.ini"), "old");

  if (geteuid() != 0) return;  // the next file is the user's own
  const fs::path othersFile = tree.Write("open/theirs.ini", "old");
  ASSERT_EQ(chmod(tree.Path().c_str(), 0755), 0);
  ASSERT_EQ(chmod(othersFile.parent_path().c_str(), 0777), 0);
  EXPECT_TRUE(test::RunAsOrdinaryUser([&] {
    std::string reason;
    return !ReplaceTextFile(othersFile, "new", reason) && reason.ends_with("Permission denied");
  }));
  EXPECT_EQ(tree.Read("open/theirs.ini"), "old");
  EXPECT_EQ(FolderEntries(othersFile.parent_path()), std::vector<std::string>{"theirs.ini"});
}

// The file a link points to is replaced, or made when it is not there yet; the link stays.
TEST(ReplaceTextFile, ReplacesTheFileALinkPointsToAndKeepsTheLink) {
  TempTree tree;
  tree.Write("real/Settings.ini", "old");
  tree.MakeFolder("links");
  fs::create_symlink("../real/Settings.ini", tree.Path("links/Settings.ini"));
  fs::create_symlink(tree.Path("real/list.txt"), tree.Path("links/list.txt"));
  std::string error;
  ASSERT_TRUE(ReplaceTextFile(tree.Path("links/Settings.ini"), "new", error)) << error;
  ASSERT_TRUE(ReplaceTextFile(tree.Path("links/list.txt"), "rows", error)) << error;
  EXPECT_TRUE(fs::is_symlink(tree.Path("links/Settings.ini")));
  EXPECT_TRUE(fs::is_symlink(tree.Path("links/list.txt")));
  EXPECT_EQ(tree.Read("real/Settings.ini"), "new");
  EXPECT_EQ(tree.Read("real/list.txt"), "rows");
  EXPECT_EQ(FolderEntries(tree.Path("real")), (std::vector<std::string>{"Settings.ini", "list.txt"}));
}

// The temporary file beside the target has a name of its own length, so that a target
// named as long as the file system allows is replaced too.
TEST(ReplaceTextFile, TakesAnyNameTheFileSystemTakes) {
  TempTree tree;
  const std::string longest(255, 'n');
  std::string error;
  ASSERT_TRUE(ReplaceTextFile(tree.Path(longest), "first", error)) << error;
  ASSERT_TRUE(ReplaceTextFile(tree.Path(longest), "second", error)) << error;
  EXPECT_EQ(tree.Read(longest), "second");
  EXPECT_EQ(FolderEntries(tree.Root()), std::vector<std::string>{longest});
}

TEST(ReplaceTextFile, NewFilesFollowTheUmaskAndOldFilesKeepTheirMode) {
  TempTree tree;
  const mode_t oldMask = umask(027);
  std::string error;
  const bool created = ReplaceTextFile(tree.Path("new.txt"), "x", error);
  umask(oldMask);
  ASSERT_TRUE(created) << error;
  EXPECT_EQ(test::ModeOf(tree.Path("new.txt")), 0640u);

  const fs::path existing = tree.Write("kept.txt", "old");
  ASSERT_EQ(chmod(existing.c_str(), 0604), 0);
  ASSERT_TRUE(ReplaceTextFile(existing, "new", error)) << error;
  EXPECT_EQ(test::ModeOf(existing), 0604u);
  EXPECT_EQ(tree.Read("kept.txt"), "new");
}

}  // namespace
}  // namespace folidex
