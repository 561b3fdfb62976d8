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
    FoundFile file;
    file.facts.fullPath = path;
    table.Append(file);
  }
  std::vector<bool> Hidden() const {
    std::vector<bool> hidden;
    for (std::size_t row = 0; row < table.RowCount(); ++row) hidden.push_back(table.Row(row).hidden);
    return hidden;
  }
};

TEST(DeleteSelectedFiles, RemovesOnlyTheSelectedFilesAndHidesTheirRows) {
  TempTree tree;
  Listed listed;
  for (const char* name : {"a/one.pdf", "a/two.pdf", "b/three.pdf", "a/keep.pdf"}) listed.Add(tree.Write(name, "x"));
  tree.Write("a/unlisted.pdf", "x");
  DeleteOutcome outcome = DeleteSelectedFiles(listed.table, {0, 2}, RemoveListedFile);
  EXPECT_EQ(outcome.failedPath, std::nullopt);
  EXPECT_EQ(outcome.hiddenRows, (std::vector<std::size_t>{0, 2}));
  EXPECT_FALSE(fs::exists(tree.Path("a/one.pdf")));
  EXPECT_FALSE(fs::exists(tree.Path("b/three.pdf")));
  for (const char* kept : {"a/two.pdf", "a/keep.pdf", "a/unlisted.pdf"})
    EXPECT_TRUE(fs::exists(tree.Path(kept))) << kept;
  EXPECT_EQ(listed.Hidden(), (std::vector<bool>{true, false, true, false}));

  // Select All then Delete again: the hidden rows' files are gone already and are skipped.
  outcome = DeleteSelectedFiles(listed.table, {0, 1, 2, 3}, RemoveListedFile);
  EXPECT_EQ(outcome.failedPath, std::nullopt);
  EXPECT_EQ(outcome.hiddenRows, (std::vector<std::size_t>{1, 3}));
  EXPECT_EQ(fs::directory_iterator(tree.Path("a"))->path().filename(), "unlisted.pdf");
}

TEST(DeleteSelectedFiles, StopsAtTheFirstFileThatCannotBeRemoved) {
  TempTree tree;
  Listed listed;
  for (const char* name : {"one.pdf", "two.pdf", "three.pdf"}) listed.Add(tree.Write(name, "x"));
  ASSERT_EQ(chmod(tree.Path("two.pdf").c_str(), 0444), 0);
  const DeleteOutcome outcome = DeleteSelectedFiles(listed.table, {0, 1, 2}, RemoveListedFile);
  EXPECT_EQ(outcome.failedPath, tree.Path("two.pdf"));
  EXPECT_EQ(outcome.hiddenRows, std::vector<std::size_t>{0});
  EXPECT_FALSE(fs::exists(tree.Path("one.pdf")));
  EXPECT_TRUE(fs::exists(tree.Path("two.pdf")));
  EXPECT_TRUE(fs::exists(tree.Path("three.pdf")));
  EXPECT_EQ(listed.Hidden(), (std::vector<bool>{true, false, false}));
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
