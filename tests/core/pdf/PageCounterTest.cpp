#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <fstream>

#include "core/pdf/PageCounter.h"
#include "core/pdf/QpdfPageCounter.h"
#include "support/AccessTime.h"
#include "support/OrdinaryUser.h"
#include "support/SampleCorpus.h"
#include "support/StreamPdf.h"
#include "support/TempTree.h"
#include "support/TestPdf.h"

namespace folidex {
namespace {

using test::MakePdf;
using test::PdfBuilder;
using test::QpdfRewrite;
using test::TempTree;

TEST(PageCounter, CountsFlatAndNestedPageTrees) {
  TempTree tree;
  EXPECT_EQ(CountPages(tree.Write("one.pdf", MakePdf(1))), 1);
  EXPECT_EQ(CountPages(tree.Write("flat.pdf", MakePdf(37))), 37);
  EXPECT_EQ(CountPages(tree.Write("deep.pdf", MakePdf(300, 3))), 300);
  EXPECT_EQ(CountPages(tree.Write("none.pdf", MakePdf(0))), 0);
}

TEST(PageCounter, CountsTheFilesQpdfRewrites) {
  TempTree tree;
  const std::string plain = tree.Write("plain.pdf", MakePdf(25, 4));
  const struct {
    const char* name;
    const char* options;
  } variants[] = {
      {"objstm.pdf", "--object-streams=generate"},
      {"linear.pdf", "--linearize"},
      {"encrypted.pdf", "--encrypt '' owner 256 --"},
      {"encrypted-objstm.pdf", "--object-streams=generate --encrypt '' owner 128 --use-aes=y --"},
  };
  for (const auto& variant : variants) {
    const std::string path = tree.Path(variant.name);
    ASSERT_TRUE(QpdfRewrite(plain, path, variant.options)) << variant.name;
    EXPECT_EQ(CountPages(path), 25) << variant.name;
  }
}

TEST(PageCounter, EachEngineCountsAloneWhenAskedTo) {
  TempTree tree;
  const std::string plain = tree.Write("plain.pdf", MakePdf(9));
  const std::string encrypted = tree.Path("encrypted-objstm.pdf");
  ASSERT_TRUE(QpdfRewrite(plain, encrypted, "--object-streams=generate --encrypt '' owner 256 --"));
  for (const PageEngine engine : {PageEngine::Auto, PageEngine::Fast, PageEngine::Qpdf}) {
    EXPECT_EQ(CountPagesWith(engine, plain), 9);
    EXPECT_EQ(CountPagesWith(engine, encrypted), 9);
  }
}

TEST(PageCounter, AgreesWithQpdfOnWellFormedFiles) {
  TempTree tree;
  const std::vector<std::string> corpus = test::WriteSampleCorpus(tree);
  ASSERT_GE(corpus.size(), 50u);
  for (const std::string& path : corpus) {
    const int qpdf = CountPagesWith(PageEngine::Qpdf, path);
    ASSERT_GE(qpdf, 0) << path;
    EXPECT_EQ(CountPagesWith(PageEngine::Fast, path), qpdf) << path;
  }
}

TEST(PageCounter, CountsDamagedFilesThatQpdfRepairs) {
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
    EXPECT_LT(CountPagesWith(PageEngine::Fast, path), 0) << name;
    EXPECT_EQ(CountPages(path), 6) << name;
  }
}

TEST(PageCounter, FindsTheEndOfAFileThatJunkWasAppendedTo) {
  TempTree tree;
  std::string padded = MakePdf(5, 2);
  for (int line = 0; line < 150000; ++line) padded += "% appended by a scanner, line after line\n";
  const std::string path = tree.Write("padded.pdf", padded);
  EXPECT_EQ(CountPagesWith(PageEngine::Fast, path), 5);
  // qpdf rebuilds such a file by reading it whole; its bound on reading ends that with a
  // count or a failure, never a wrong number.
  const int viaQpdf = CountPagesWithQpdf(path);
  EXPECT_TRUE(viaQpdf == 5 || viaQpdf < 0) << viaQpdf;
}

TEST(PageCounter, EndsHostileFilesWithACountOrANegativeValue) {
  TempTree tree;
  // A 4 GiB file of zeros that takes no disk space.
  const std::string sparse = tree.Path("sparse.pdf");
  const int fd = open(sparse.c_str(), O_CREAT | O_WRONLY, 0600);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(ftruncate(fd, off_t{4} << 30), 0);
  close(fd);
  EXPECT_LT(CountPages(sparse), 0);

  // Decompression bombs are not handed to qpdf either.
  test::StreamPdf bomb;
  bomb.loose = {{1, "<< /Type /Catalog /Pages 2 0 R >>"},
                {2, "<< /Type /Pages /Kids [3 0 R] /Count 1 >>"},
                {3, "<< /Type /Page /Parent 2 0 R >>"}};
  bomb.xrefStreamFlate = test::DeflatedZeros(std::size_t{80} << 20);
  EXPECT_LT(CountPages(tree.Write("bomb.pdf", bomb.Build(1))), 0);

  // A page-tree root whose /Count is far beyond what the file holds is counted leaf by leaf.
  PdfBuilder pdf;
  const int catalog = pdf.Reserve();
  const int root = pdf.Reserve();
  const int page = pdf.Add("<< /Type /Page >>");
  pdf.Set(root, "<< /Type /Pages /Kids [" + std::to_string(page) + " 0 R] /Count 9999999999 >>");
  pdf.Set(catalog, "<< /Type /Catalog /Pages " + std::to_string(root) + " 0 R >>");
  EXPECT_EQ(CountPages(tree.Write("huge-count.pdf", pdf.Build(catalog))), 1);
}

TEST(PageCounter, GivesANegativeCountForWhatIsNoReadablePdf) {
  TempTree tree;
  const std::string good = MakePdf(3);
  EXPECT_LT(CountPages(tree.Write("empty.pdf", "")), 0);
  EXPECT_LT(CountPages(tree.Write("text.pdf", "This is no PDF at all.\n")), 0);
  EXPECT_LT(CountPages(tree.Write("truncated.pdf", good.substr(0, good.size() / 3))), 0);
  EXPECT_LT(CountPages(tree.MakeFolder("folder.pdf")), 0);
  EXPECT_LT(CountPages(tree.Path("missing.pdf")), 0);
  const std::string fifo = tree.Path("pipe.pdf");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_LT(CountPages(fifo), 0);  // returns at once instead of waiting for a writer
  // Links named .pdf to a FIFO or a device are refused the same way.
  std::filesystem::create_symlink(fifo, tree.Path("link-to-pipe.pdf"));
  std::filesystem::create_symlink("/dev/zero", tree.Path("link-to-device.pdf"));
  EXPECT_LT(CountPages(tree.Path("link-to-pipe.pdf")), 0);
  EXPECT_LT(CountPages(tree.Path("link-to-device.pdf")), 0);
}

TEST(PageCounter, CountingLeavesTheAccessTimeAsItWas) {
  TempTree tree;
  if (!test::ReadsMoveAccessTimes(tree)) GTEST_SKIP() << "reading does not change access times here";

  const std::string path = tree.Write("dated.pdf", MakePdf(2));
  for (const PageEngine engine : {PageEngine::Auto, PageEngine::Qpdf}) {
    const std::time_t old = test::AgeAccessTime(path);
    EXPECT_EQ(CountPagesWith(engine, path), 2);
    EXPECT_EQ(test::AccessTime(path), old);
  }
  // A user who does not own the file may not keep its access time; the file is counted all the same.
  std::filesystem::permissions(tree.Root(), std::filesystem::perms::others_exec, std::filesystem::perm_options::add);
  EXPECT_TRUE(test::RunAsOrdinaryUser([&path] { return CountPages(path) == 2; }));
}

TEST(PageCounter, IgnoresKidsThatLeadBackUpThePageTree) {
  PdfBuilder pdf;
  const int catalog = pdf.Reserve();
  const int root = pdf.Reserve();
  const int inner = pdf.Reserve();
  const int page = pdf.Add("<< /Type /Page /MediaBox [0 0 10 10] >>");
  pdf.Set(inner,
          "<< /Type /Pages /Kids [" + std::to_string(page) + " 0 R " + std::to_string(root) + " 0 R] /Count 2 >>");
  pdf.Set(root,
          "<< /Type /Pages /Kids [" + std::to_string(inner) + " 0 R " + std::to_string(page) + " 0 R] /Count 3 >>");
  pdf.Set(catalog, "<< /Type /Catalog /Pages " + std::to_string(root) + " 0 R >>");
  TempTree tree;
  EXPECT_EQ(CountPagesWithQpdf(tree.Write("loop.pdf", pdf.Build(catalog))), 2);
}

}  // namespace
}  // namespace folidex
