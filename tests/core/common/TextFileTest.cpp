#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "core/common/TextFile.h"
#include "support/OrdinaryUser.h"
#include "support/TempTree.h"

namespace folidex {
namespace {

namespace fs = std::filesystem;
using test::RunAsOrdinaryUser;
using test::TempTree;

std::vector<std::string> Entries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

mode_t Mode(const fs::path& file) {
  struct stat info {};
  return stat(file.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

TEST(ReplaceTextFile, RefusesAWriteProtectedFileWithTheSystemsReason) {
  TempTree tree;
  const fs::path readOnly = tree.Write("a/readonly.ini", "old");
  ASSERT_EQ(chmod(readOnly.c_str(), 0444), 0);
  std::string error;
  EXPECT_FALSE(ReplaceTextFile(readOnly, "new", error));
  EXPECT_TRUE(error.ends_with("Permission denied")) << error;
  EXPECT_EQ(tree.Read("a/readonly.ini"), "old");

  // Another user's file in a folder anyone may write to: the rename would go through, the
  // write permission on the file says no.
  const fs::path othersFile = tree.Write("open/theirs.ini", "old");
  ASSERT_EQ(chmod(tree.Path().c_str(), 0755), 0);
  ASSERT_EQ(chmod(othersFile.parent_path().c_str(), 0777), 0);
  ASSERT_EQ(chmod(othersFile.c_str(), 0644), 0);
  const bool refused = RunAsOrdinaryUser([&] {
    std::string reason;
    return !ReplaceTextFile(othersFile, "new", reason) && reason.ends_with("Permission denied");
  });
  EXPECT_TRUE(refused || geteuid() != 0);  // run as its owner, the file is writable after all
  if (geteuid() == 0) {
    EXPECT_EQ(tree.Read("open/theirs.ini"), "old");
  }
  EXPECT_EQ(Entries(othersFile.parent_path()), std::vector<std::string>{"theirs.ini"});
}

TEST(ReplaceTextFile, ReplacesTheFileALinkPointsToAndKeepsTheLink) {
  TempTree tree;
  tree.Write("real/Settings.ini", "old");
  tree.MakeFolder("links");
  const fs::path link = tree.Path("links/Settings.ini");
  fs::create_symlink("../real/Settings.ini", link);
  std::string error;
  ASSERT_TRUE(ReplaceTextFile(link, "new", error)) << error;
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(tree.Read("real/Settings.ini"), "new");
  EXPECT_EQ(Entries(tree.Path("links")), std::vector<std::string>{"Settings.ini"});
  EXPECT_EQ(Entries(tree.Path("real")), std::vector<std::string>{"Settings.ini"});

  // A link to a file not there yet creates that file.
  const fs::path dangling = tree.Path("links/list.txt");
  fs::create_symlink(tree.Path("real/list.txt"), dangling);
  ASSERT_TRUE(ReplaceTextFile(dangling, "rows", error)) << error;
  EXPECT_TRUE(fs::is_symlink(dangling));
  EXPECT_EQ(tree.Read("real/list.txt"), "rows");
}

TEST(ReplaceTextFile, TakesAnyNameTheFileSystemTakes) {
  TempTree tree;
  const std::string longest(255, 'n');
  std::string error;
  ASSERT_TRUE(ReplaceTextFile(tree.Path(longest), "first", error)) << error;
  ASSERT_TRUE(ReplaceTextFile(tree.Path(longest), "second", error)) << error;
  EXPECT_EQ(tree.Read(longest), "second");
  EXPECT_EQ(Entries(tree.Root()), std::vector<std::string>{longest});
}

TEST(ReplaceTextFile, NewFilesFollowTheUmaskAndOldFilesKeepTheirMode) {
  TempTree tree;
  const mode_t oldMask = umask(027);
  std::string error;
  const bool created = ReplaceTextFile(tree.Path("new.txt"), "x", error);
  umask(oldMask);
  ASSERT_TRUE(created) << error;
  EXPECT_EQ(Mode(tree.Path("new.txt")), 0640u);

  const fs::path existing = tree.Write("kept.txt", "old");
  ASSERT_EQ(chmod(existing.c_str(), 0604), 0);
  ASSERT_TRUE(ReplaceTextFile(existing, "new", error)) << error;
  EXPECT_EQ(Mode(existing), 0604u);
  EXPECT_EQ(tree.Read("kept.txt"), "new");
}

}  // namespace
}  // namespace folidex
