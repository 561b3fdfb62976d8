#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "core/results/DeleteSelectedFiles.h"
#include "support/TempTree.h"

namespace folidex {
namespace {

using test::TempTree;
namespace fs = std::filesystem;

struct Listed {
  ResultTable table;
  void Add(const std::string& path) {
    const int row = table.AppendRow();
    table.SetText(row, kFullPath, path);
  }
};

TEST(DeleteSelectedFiles, RemovesOnlyTheSelectedFilesAndHidesTheirRows) {
  TempTree tree;
  Listed listed;
  for (const char* name : {"a/one.pdf", "a/two.pdf", "b/three.pdf", "a/keep.pdf"}) listed.Add(tree.Write(name, "x"));
  tree.Write("a/unlisted.pdf", "x");
  listed.table.SetRowSelected(1, true);
  listed.table.SetRowSelected(3, true);
  EXPECT_EQ(DeleteSelectedFiles(listed.table, RemoveListedFile), std::nullopt);
  EXPECT_FALSE(fs::exists(tree.Path("a/one.pdf")));
  EXPECT_FALSE(fs::exists(tree.Path("b/three.pdf")));
  for (const char* kept : {"a/two.pdf", "a/keep.pdf", "a/unlisted.pdf"})
    EXPECT_TRUE(fs::exists(tree.Path(kept))) << kept;
  EXPECT_TRUE(listed.table.RowHidden(1));
  EXPECT_FALSE(listed.table.RowHidden(2));
  EXPECT_TRUE(listed.table.RowHidden(3));

  // Select All then Delete again: the hidden rows' files are gone already and are skipped.
  listed.table.SelectAll();
  EXPECT_EQ(DeleteSelectedFiles(listed.table, RemoveListedFile), std::nullopt);
  EXPECT_EQ(fs::directory_iterator(tree.Path("a"))->path().filename(), "unlisted.pdf");
  EXPECT_TRUE(listed.table.RowHidden(4));
}

TEST(DeleteSelectedFiles, StopsAtTheFirstFileThatCannotBeRemoved) {
  TempTree tree;
  Listed listed;
  for (const char* name : {"one.pdf", "two.pdf", "three.pdf"}) listed.Add(tree.Write(name, "x"));
  ASSERT_EQ(chmod(tree.Path("two.pdf").c_str(), 0444), 0);
  listed.table.SelectAll();
  EXPECT_EQ(DeleteSelectedFiles(listed.table, RemoveListedFile), tree.Path("two.pdf"));
  EXPECT_FALSE(fs::exists(tree.Path("one.pdf")));
  EXPECT_TRUE(fs::exists(tree.Path("two.pdf")));
  EXPECT_TRUE(fs::exists(tree.Path("three.pdf")));
  EXPECT_TRUE(listed.table.RowHidden(1));
  EXPECT_FALSE(listed.table.RowHidden(2));
  EXPECT_FALSE(listed.table.RowHidden(3));
}

TEST(RemoveListedFile, NeverRemovesAFolderOrWhatALinkPointsTo) {
  TempTree tree;
  tree.MakeFolder("folder.pdf");
  const std::string target = tree.Write("target.pdf", "x");
  fs::create_symlink(target, tree.Path("link.pdf"));
  EXPECT_FALSE(RemoveListedFile(tree.Path("folder.pdf")));
  EXPECT_TRUE(fs::is_directory(tree.Path("folder.pdf")));
  EXPECT_TRUE(RemoveListedFile(tree.Path("link.pdf")));
  EXPECT_TRUE(fs::exists(target));
  EXPECT_FALSE(RemoveListedFile(tree.Path("gone.pdf")));
}

}  // namespace
}  // namespace folidex
