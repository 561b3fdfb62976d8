#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <ctime>
#include <filesystem>

#include "core/pdf/ByteSource.h"
#include "core/pdf/FastPageCounter.h"
#include "core/pdf/PageCounter.h"
#include "core/pdf/QpdfPageCounter.h"
#include "support/HostilePdf.h"
#include "support/OrdinaryUser.h"
#include "support/PageCounts.h"
#include "support/SampleCorpus.h"
#include "support/StreamPdf.h"
#include "support/TempTree.h"
#include "support/TestPdf.h"

namespace folidex {
namespace {

using Kind = CountFailure::Kind;
using test::FailureKind;
using test::MakePdf;
using test::StreamPdf;
using test::TempTree;

TEST(PageCounter, AgreesWithQpdfOnWellFormedFiles) {
  TempTree tree;
  const std::vector<std::string> corpus = test::WriteSampleCorpus(tree);
  ASSERT_GE(corpus.size(), 50u);
  for (const std::string& path : corpus) {
    const PageCount qpdf = CountPagesWith(PageEngine::Qpdf, path);
    ASSERT_TRUE(qpdf.Counted()) << path;
    EXPECT_EQ(CountPagesWith(PageEngine::Fast, path), qpdf) << path;
  }
}

TEST(PageCounter, CountsDamagedFilesByRecoveryAndByQpdfAlike) {
  TempTree tree;
  const std::string good = MakePdf(6, 2);
  const std::size_t firstObject = good.find("1 0 obj");
  const std::string moved = good.substr(0, firstObject) + "0000000000\n" + good.substr(firstObject);
  std::string noTable = good;
  noTable.replace(noTable.rfind("xref\n0 "), 4, "xfer");
  std::string noHeader = noTable;  // and its "%PDF-" line wiped as well
  noHeader.replace(0, noHeader.find('\n'), noHeader.find('\n'), ' ');
  for (const auto& [name, bytes] :
       {std::pair{"moved.pdf", moved}, std::pair{"no-table.pdf", noTable}, std::pair{"no-header.pdf", noHeader}}) {
    const std::string path = tree.Write(name, bytes);
    EXPECT_FALSE(CountPagesFast(MemoryByteSource(bytes)).Counted()) << name;
    for (const PageEngine engine : {PageEngine::Auto, PageEngine::Fast, PageEngine::Qpdf}) {
      EXPECT_EQ(CountPagesWith(engine, path), PageCount(6)) << name;
    }
  }
}

TEST(PageCounter, FindsTheEndOfAFileThatJunkWasAppendedTo) {
  TempTree tree;
  std::string padded = MakePdf(5, 2);
  for (int line = 0; line < 150000; ++line) padded += "% appended by a scanner, line after line\n";
  const std::string path = tree.Write("padded.pdf", padded);
  EXPECT_EQ(CountPagesWith(PageEngine::Fast, path), PageCount(5));
  // qpdf rebuilds such a file by reading it whole; its bound on reading ends that with a
  // count or a failure, never a wrong number.
  const PageCount viaQpdf = CountPagesWithQpdf(path);
  EXPECT_TRUE(viaQpdf == PageCount(5) || !viaQpdf.Counted()) << viaQpdf.Pages();
}

// A decompression bomb is not handed to qpdf either.
TEST(PageCounter, ABombTheFastReaderRefusesIsAFailure) {
  TempTree tree;
  EXPECT_FALSE(CountPages(tree.Write("bomb.pdf", test::XrefStreamBomb())).Counted());
}

CountFailure Failure(Kind kind, const std::string& detail = {}) { return {kind, detail}; }

TEST(PageCounter, SaysWhyAFileCannotBeCounted) {
  TempTree tree;
  const std::string good = MakePdf(3);
  EXPECT_EQ(CountPages(tree.Write("empty.pdf", "")), PageCount(Failure(Kind::Empty)));
  EXPECT_EQ(CountPages(tree.Write("text.pdf", "This is no PDF at all.\n")), PageCount(Failure(Kind::NotPdf)));
  EXPECT_EQ(CountPages(tree.Write("header.pdf", "%PDF-1.7\n" + std::string(5000, 'x'))),
            PageCount(Failure(Kind::Damaged, "no objects")));
  // Cut short after its catalog: the page tree is gone.
  EXPECT_EQ(CountPages(tree.Write("truncated.pdf", good.substr(0, good.find("endobj") + 6))),
            PageCount(Failure(Kind::Damaged, "no page tree")));

  // An object stream compressed with a filter that no reader decodes for it.
  StreamPdf jpeg = test::PackedTree(1, {2});
  jpeg.objectStreamExtra = "/Filter /JPXDecode";
  EXPECT_EQ(CountPages(tree.Write("jpeg.pdf", jpeg.Build(1))),
            PageCount(Failure(Kind::Unsupported, "the filter JPXDecode")));

  const std::string fifo = tree.Path("pipe.pdf");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(CountPages(fifo), PageCount(Failure(Kind::Unsupported, "not a regular file")));  // at once, no wait
  // Links named .pdf to a FIFO or a device are refused the same way.
  std::filesystem::create_symlink(fifo, tree.Path("link-to-pipe.pdf"));
  std::filesystem::create_symlink("/dev/zero", tree.Path("link-to-device.pdf"));
  EXPECT_EQ(FailureKind(CountPages(tree.Path("link-to-pipe.pdf"))), Kind::Unsupported);
  EXPECT_EQ(FailureKind(CountPages(tree.Path("link-to-device.pdf"))), Kind::Unsupported);

  EXPECT_EQ(CountPages(tree.MakeFolder("folder.pdf")), PageCount(Failure(Kind::Unreadable, "Is a directory")));
  EXPECT_EQ(CountPages(tree.Path("missing.pdf")), PageCount(Failure(Kind::Unreadable, "No such file or directory")));
  const std::string secret = tree.Write("secret.pdf", good);
  std::filesystem::permissions(secret, std::filesystem::perms::owner_read);
  std::filesystem::permissions(tree.Root(), std::filesystem::perms::others_exec, std::filesystem::perm_options::add);
  EXPECT_TRUE(test::RunAsOrdinaryUser(
      [&secret] { return CountPages(secret) == PageCount(Failure(Kind::Unreadable, "Permission denied")); }));

  const std::atomic<bool> cancelled{true};
  EXPECT_EQ(CountPages(tree.Write("cancelled.pdf", good), cancelled), PageCount(Failure(Kind::Cancelled)));
}

// The file's access time in seconds; -1 when it cannot be read.
std::time_t AccessTime(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 ? info.st_atim.tv_sec : -1;
}

// Sets the file's access time two days back, where a read moves it (under "relatime" as well).
std::time_t AgeAccessTime(const std::string& path) {
  const std::time_t old = std::time(nullptr) - 2 * 24 * 3600;
  const timespec times[2] = {{old, 0}, {0, UTIME_OMIT}};
  return utimensat(AT_FDCWD, path.c_str(), times, 0) == 0 ? old : -1;
}

TEST(PageCounter, CountingLeavesTheAccessTimeAsItWas) {
  TempTree tree;
  const std::string probe = tree.Write("probe", "x");
  const std::time_t aged = AgeAccessTime(probe);
  test::FileBytes(probe);
  if (aged < 0 || AccessTime(probe) == aged) GTEST_SKIP() << "reading does not change access times here";

  const std::string path = tree.Write("dated.pdf", MakePdf(2));
  for (const PageEngine engine : {PageEngine::Auto, PageEngine::Qpdf}) {
    const std::time_t old = AgeAccessTime(path);
    EXPECT_EQ(CountPagesWith(engine, path), PageCount(2));
    EXPECT_EQ(AccessTime(path), old);
  }
  // A user who does not own the file may not keep its access time; the file is counted all the same.
  std::filesystem::permissions(tree.Root(), std::filesystem::perms::others_exec, std::filesystem::perm_options::add);
  EXPECT_TRUE(test::RunAsOrdinaryUser([&path] { return CountPages(path) == PageCount(2); }));
}

}  // namespace
}  // namespace folidex
