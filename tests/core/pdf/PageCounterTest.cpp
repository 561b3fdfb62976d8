#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/pdf/PageCounter.h"
#include "core/pdf/QpdfPageCounter.h"
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
}

TEST(PageCounter, IgnoresKidsThatLeadBackUpThePageTree) {
  PdfBuilder pdf;
  const int catalog = pdf.Reserve();
  const int root = pdf.Reserve();
  const int inner = pdf.Reserve();
  const int page = pdf.Add("<< /Type /Page /MediaBox [0 0 10 10] >>");
  pdf.Set(inner, "<< /Type /Pages /Kids [" + std::to_string(page) + " 0 R " + std::to_string(root) +
                     " 0 R] /Count 2 >>");
  pdf.Set(root, "<< /Type /Pages /Kids [" + std::to_string(inner) + " 0 R " + std::to_string(page) +
                    " 0 R] /Count 3 >>");
  pdf.Set(catalog, "<< /Type /Catalog /Pages " + std::to_string(root) + " 0 R >>");
  TempTree tree;
  EXPECT_EQ(CountPagesWithQpdf(tree.Write("loop.pdf", pdf.Build(catalog))), 2);
}

}  // namespace
}  // namespace folidex
