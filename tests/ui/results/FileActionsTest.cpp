#include <sys/stat.h>

#include <QMessageBox>
#include <filesystem>

#include "MainWindowProbe.h"
#include "WhenModal.h"
#include "support/FoundFiles.h"
#include "support/TempTree.h"
#include "support/TrashContents.h"
#include "ui/results/FileActions.h"

namespace folidex::test {
namespace {

struct RecordingDesktop : Desktop {
  void OpenFile(const QString& path) override { calls << "open " + path; }
  void ShowContainingFolder(const QString& path) override { calls << "folder " + path; }
  void ShowFileProperties(const QString& path, const PageCount& pages, QWidget*) override {
    calls << "properties " + path + " " + QString::fromStdString(FormatPages(pages));
  }
  QStringList calls;
};

struct ScriptedPrompts : DeletePrompts {
  bool ConfirmDelete(QWidget*) override {
    ++confirmations;
    return answerYes;
  }
  void ShowDeleteFailure(QWidget*, const QString& path) override { failures << path; }
  bool answerYes = true;
  int confirmations = 0;
  QStringList failures;
};

bool Exists(const std::string& path) { return std::filesystem::exists(path); }

// Appends one row per file, with `pages` pages.
void Fill(ResultModel& model, const std::vector<std::string>& paths, int pages = 1) {
  std::vector<FoundFile> files;
  for (const std::filesystem::path path : paths)
    files.push_back(Found(path.filename(), 1, pages, {}, path.parent_path()));
  model.AppendFiles(std::move(files), {});
}

}  // namespace

class FileActionsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    // Deleted files go to a Trash of the test's own, never to the user's.
    qputenv("HOME", home_.Path().c_str());
    qputenv("XDG_DATA_HOME", home_.Path("data").c_str());
    model_ = std::make_unique<ResultModel>();
    grid_ = std::make_unique<ResultGrid>(*model_);
    grid_->SetupGrid({});
    auto desktop = std::make_unique<RecordingDesktop>();
    auto prompts = std::make_unique<ScriptedPrompts>();
    desktop_ = desktop.get();
    prompts_ = prompts.get();
    actions_ = std::make_unique<FileActions>(*grid_, std::move(desktop), std::move(prompts));
    // The selected files share their folder with files that must survive.
    tree_ = std::make_unique<TempTree>();
    for (const char* name : {"a.pdf", "b.pdf", "c.pdf", "keep.pdf", "keep.txt"})
      paths_.push_back(tree_->Write(name, "x"));
  }

  void cleanup() {
    std::filesystem::remove_all(home_.Path("data"));
    actions_.reset();
    grid_.reset();
    model_.reset();
    paths_.clear();
  }

  // Three selected rows, the second file read-only: the first goes, the message names the
  // second, and No at the question changes nothing at all.
  void DeleteAsksAndNamesTheFileThatCannotGo() {
    Fill(*model_, {paths_[0], paths_[1], paths_[2], paths_[3]});
    chmod(paths_[1].c_str(), 0444);
    SelectRows({0, 1, 2});
    prompts_->answerYes = false;
    actions_->mnuFileDelete_Click();
    QCOMPARE(prompts_->confirmations, 1);
    QCOMPARE(HiddenRows(), (std::vector<bool>{false, false, false, false}));

    prompts_->answerYes = true;
    actions_->mnuFileDelete_Click();
    QCOMPARE(prompts_->failures, QStringList{QString::fromStdString(paths_[1])});
    QVERIFY(!Exists(paths_[0]));
    for (int i = 1; i < 5; ++i) QVERIFY(Exists(paths_[i]));
    QCOMPARE(HiddenRows(), (std::vector<bool>{true, false, false, false}));
  }

  // Deleted files go to the Trash with where they came from, so they can be put back; two
  // files of one name from different folders both keep their bytes there.
  void DeletedFilesGoToTheTrash() {
    const std::string first = tree_->Write("x/same.pdf", "first"), second = tree_->Write("y/same.pdf", "second");
    Fill(*model_, {first, second, paths_[3]});
    SelectRows({0, 1});
    actions_->mnuFileDelete_Click();
    QCOMPARE(prompts_->failures, QStringList{});
    QVERIFY(!Exists(first) && !Exists(second) && Exists(paths_[3]));
    QCOMPARE(HiddenRows(), (std::vector<bool>{true, true, false}));
    QCOMPARE(ContentsOfTrash(home_.Path("data/Trash")),
             (TrashContents{{"same.pdf", {first, "first"}}, {"same.2.pdf", {second, "second"}}}));
  }

  // The cursor row's file goes to the desktop; with no data row nothing happens at all.
  void CursorActionsUseTheCursorRowOnly() {
    actions_->mnuFileOpen_Click();
    actions_->mnuFileProperties_Click();
    actions_->mnuFileShowContainingFolder_Click();
    actions_->mnuFileDelete_Click();
    QCOMPARE(desktop_->calls, QStringList{});
    QCOMPARE(prompts_->confirmations, 0);

    Fill(*model_, {paths_[0], paths_[1]}, 7);
    actions_->mnuFileOpen_Click();  // the cursor stands on the first row until one is clicked
    grid_->setCurrentIndex(model_->index(1, 0));
    actions_->mnuFileOpen_Click();
    actions_->mnuFileProperties_Click();
    actions_->mnuFileShowContainingFolder_Click();
    const QString first = QString::fromStdString(paths_[0]), second = QString::fromStdString(paths_[1]);
    QCOMPARE(desktop_->calls,
             (QStringList{"open " + first, "open " + second, "properties " + second + " 7", "folder " + second}));
  }

  // In the main window the Delete key asks with the program's own question box; No is its
  // default, so Enter leaves the files.
  void DeleteKeyAsksInTheMainWindow() {
    ShownMainWindow shown(tree_->MakeFolder("empty"));
    const MainWindowProbe& probe = shown.probe;
    Fill(probe.Model(), {paths_[0]});
    probe.grid->selectRow(0);
    probe.grid->setFocus();
    bool asked = false;
    WhenModal<QMessageBox>([&](QMessageBox* box) {
      asked = box->defaultButton() == box->button(QMessageBox::No);
      QTest::keyClick(box, Qt::Key_Return);
    });
    QTest::keyClick(probe.grid, Qt::Key_Delete);
    QVERIFY(asked);
    QVERIFY(Exists(paths_[0]));
  }

 private:
  void SelectRows(const std::vector<int>& rows) {
    for (const int row : rows)
      model_->Selection()->select(model_->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
  }

  // Whether each data row is hidden in the grid, in row order.
  std::vector<bool> HiddenRows() const {
    std::vector<bool> hidden;
    for (int row = 0; row < model_->rowCount(); ++row) hidden.push_back(grid_->isRowHidden(row));
    return hidden;
  }

  TempTree home_;
  std::unique_ptr<TempTree> tree_;
  std::vector<std::string> paths_;
  std::unique_ptr<ResultModel> model_;
  std::unique_ptr<ResultGrid> grid_;
  RecordingDesktop* desktop_ = nullptr;
  ScriptedPrompts* prompts_ = nullptr;
  std::unique_ptr<FileActions> actions_;
};

}  // namespace folidex::test

QTEST_MAIN(folidex::test::FileActionsTest)
#include "FileActionsTest.moc"
