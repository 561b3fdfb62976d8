#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "core/common/FreedesktopTrash.h"
#include "core/results/TrashOrRemoveListedFile.h"
#include "support/OrdinaryUser.h"
#include "support/TempTree.h"
#include "support/TrashContents.h"

namespace folidex {
namespace {

namespace fs = std::filesystem;
using test::ContentsOfTrash;
using test::FileBytes;
using test::ModeOf;
using test::RunAsOrdinaryUser;
using test::TempTree;
using test::TrashContents;

const std::string kUser = std::to_string(getuid());

// Files go to the home Trash, made when missing, with their full path escaped as in URLs;
// a name already taken there, even by a file that lost its information, gets a number
// before its extension.
TEST(FreedesktopTrash, TheHomeTrashKeepsEachFileWithWhereItCameFrom) {
  TempTree tree;
  const std::string dataHome = tree.Path("home/data");
  const std::string first = tree.Write("docs/a b%.v2.pdf", "one"), second = tree.Write("more/a b%.v2.pdf", "two");
  tree.Write("home/data/Trash/files/a b%.v2.2.pdf", "left without its information");
  EXPECT_TRUE(MoveToTrash(first, dataHome));
  EXPECT_TRUE(MoveToTrash(second, dataHome));
  EXPECT_FALSE(fs::exists(first) || fs::exists(second));
  const std::string docs = fs::canonical(tree.Path("docs")).string(), more = fs::canonical(tree.Path("more")).string();
  EXPECT_EQ(ContentsOfTrash(tree.Path("home/data/Trash")),
            (TrashContents{{"a b%.v2.pdf", {docs + "/a%20b%25.v2.pdf", "one"}},
                           {"a b%.v2.2.pdf", {"", "left without its information"}},
                           {"a b%.v2.3.pdf", {more + "/a%20b%25.v2.pdf", "two"}}}));
  EXPECT_EQ(ModeOf(tree.Path("home/data/Trash/info")), 0700u);
  EXPECT_FALSE(MoveToTrash(tree.Path("docs/gone.pdf"), dataHome));
}

TEST(FreedesktopTrash, ALinkGoesItselfNeverWhatItPointsTo) {
  TempTree tree;
  const std::string target = tree.Write("target.pdf", "x");
  fs::create_symlink(target, tree.Path("link.pdf"));
  EXPECT_TRUE(MoveToTrash(tree.Path("link.pdf"), tree.Path("data")));
  EXPECT_TRUE(fs::is_symlink(tree.Path("data/Trash/files/link.pdf")));
  EXPECT_EQ(FileBytes(target), "x");
}

// The Trash at the top of another file system: under a sticky ".Trash" an administrator
// made, otherwise ".Trash-UID"; never one that is a link. Paths are recorded relative to
// the top folder.
TEST(FreedesktopTrash, TheTrashAtTheTopOfAFileSystem) {
  TempTree tree;
  const std::string plain = fs::canonical(tree.MakeFolder("plain")).string();
  const std::optional<TrashFolder> own = TopTrash(plain);
  ASSERT_TRUE(own.has_value());
  EXPECT_EQ(own->path, plain + "/.Trash-" + kUser);
  EXPECT_EQ(ModeOf(own->path), 0700u);
  const std::string file = tree.Write("plain/sub/x y.pdf", "x");
  EXPECT_TRUE(MoveIntoTrash(file, *own));
  EXPECT_EQ(ContentsOfTrash(own->path), (TrashContents{{"x y.pdf", {"sub/x%20y.pdf", "x"}}}));

  const std::string shared = tree.MakeFolder("shared/.Trash");
  ASSERT_EQ(chmod(shared.c_str(), 01777), 0);
  EXPECT_EQ(TopTrash(tree.Path("shared"))->path, shared + "/" + kUser);

  const std::string notSticky = tree.MakeFolder("not-sticky/.Trash");
  EXPECT_EQ(TopTrash(tree.Path("not-sticky"))->path, tree.Path("not-sticky/.Trash-" + kUser));
  EXPECT_TRUE(fs::is_empty(notSticky));

  tree.MakeFolder("linked");
  fs::create_symlink(shared, tree.Path("linked/.Trash"));  // a link is never the shared Trash
  fs::create_symlink(tree.MakeFolder("elsewhere"), tree.Path("linked/.Trash-" + kUser));
  EXPECT_EQ(TopTrash(tree.Path("linked")), std::nullopt);

  if (geteuid() != 0) return;                                            // only root can give a folder to another user
  const std::string theirs = tree.MakeFolder("theirs/.Trash-" + kUser);  // made to catch the user's files
  ASSERT_EQ(chown(theirs.c_str(), 65534, 65534), 0);
  EXPECT_EQ(TopTrash(tree.Path("theirs")), std::nullopt);
}

// A Trash whose "info" may not be written takes nothing: the file stays where it is until it
// is removed for good.
TEST(FreedesktopTrash, ATrashThatCannotBeWrittenTakesNothing) {
  TempTree tree;
  const std::string first = tree.Write("docs/first.pdf", "x"), second = tree.Write("docs/second.pdf", "x");
  ASSERT_EQ(chmod(tree.Path().c_str(), 0777), 0);
  ASSERT_EQ(chmod(tree.Path("docs").c_str(), 0777), 0);
  const std::string dataHome = tree.Path("data");
  EXPECT_TRUE(RunAsOrdinaryUser([&] {
    if (!MoveToTrash(first, dataHome) || chmod((dataHome + "/Trash/info").c_str(), 0500) != 0) return false;
    const bool refused = !MoveToTrash(second, dataHome) && fs::exists(second);
    const bool keptOne = ContentsOfTrash(dataHome + "/Trash").size() == 1;
    return refused && keptOne && TrashOrRemoveListedFile(second, dataHome) && !fs::exists(second);
  }));
}

// A file on the home's file system whose home Trash cannot be made (the data folder lies
// under a file) goes to no other Trash: it is removed for good.
TEST(FreedesktopTrash, WithoutAHomeTrashAFileOfTheHomesFileSystemIsRemoved) {
  TempTree tree;
  const std::string dataHome = tree.Write("not-a-folder", "x") + "/data";
  const std::string file = tree.Write("docs/a.pdf", "x");
  const std::string topTrash = "/.Trash-" + kUser;
  const bool topTrashBefore = fs::exists(topTrash);
  EXPECT_FALSE(MoveToTrash(file, dataHome));
  EXPECT_TRUE(fs::exists(file));
  EXPECT_TRUE(TrashOrRemoveListedFile(file, dataHome));
  EXPECT_FALSE(fs::exists(file));
  EXPECT_EQ(fs::exists(topTrash), topTrashBefore);
}

// A file on another file system than the home, whose top folder the user may not write
// (so it has no Trash of its own): the home Trash does not take it, so it is removed for
// good, and nothing is left in either place. It needs the temporary folder on the root
// file system and /dev/shm apart from it.
TEST(FreedesktopTrash, AFileOfAFileSystemWithoutATrashIsRemoved) {
  TempTree tree;
  const std::string file = tree.Write("a.pdf", "x");
  std::string home = "/dev/shm/folidex-home-XXXXXX";
  if (!fs::is_directory("/dev/shm") || mkdtemp(home.data()) == nullptr) GTEST_SKIP() << "no /dev/shm";
  struct stat homeInfo {
  }, fileInfo{}, topInfo{};
  stat(home.c_str(), &homeInfo);
  stat(file.c_str(), &fileInfo);
  stat("/", &topInfo);
  const bool usable = homeInfo.st_dev != fileInfo.st_dev && topInfo.st_dev == fileInfo.st_dev && topInfo.st_uid == 0 &&
                      (topInfo.st_mode & (S_IWGRP | S_IWOTH)) == 0 && !fs::exists("/.Trash");
  chmod(tree.Path().c_str(), 0777);
  chmod(home.c_str(), 0777);
  const bool removed = usable && RunAsOrdinaryUser([&] {
                         const std::string dataHome = home + "/data";
                         return !MoveToTrash(file, dataHome) && fs::exists(file) &&
                                TrashOrRemoveListedFile(file, dataHome) && !fs::exists(file) &&
                                ContentsOfTrash(dataHome + "/Trash").empty() &&
                                !fs::exists("/.Trash-" + std::to_string(getuid()));
                       });
  fs::remove_all(home);
  if (!usable) GTEST_SKIP() << "the temporary folder is not on the root file system";
  EXPECT_TRUE(removed);
}

}  // namespace
}  // namespace folidex
