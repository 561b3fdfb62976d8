#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "core/pdf/ByteSource.h"
#include "core/pdf/FastPageCounter.h"
#include "core/pdf/PageCounter.h"
#include "core/pdf/PageSizes.h"
#include "support/TempTree.h"
#include "support/TestPdf.h"

namespace folidex {
namespace {

using Name = PaperSize::Name;
using test::PdfBuilder;
using test::TempTree;

PaperSize Custom(long width, long height) { return {Name::Custom, width, height}; }

}  // namespace

void PrintTo(const PaperSize& size, std::ostream* out) { *out << PaperSizeText(size); }

namespace {

// Points from millimetres.
double Pt(double millimetres) { return millimetres * 72 / 25.4; }

TEST(PaperSize, NamesSizesInEitherOrientationWithinTwoMillimetres) {
  EXPECT_EQ(PaperSizeOf(595.276, 841.89).name, Name::A4);
  EXPECT_EQ(PaperSizeOf(841.89, 595.276).name, Name::A4);
  EXPECT_EQ(PaperSizeOf(Pt(212), Pt(295)).name, Name::A4);
  EXPECT_EQ(PaperSizeOf(Pt(212.5), Pt(297)), Custom(213, 297));
  EXPECT_EQ(PaperSizeOf(612, 792).name, Name::Letter);
  EXPECT_EQ(PaperSizeOf(Pt(250), Pt(353)).name, Name::B4);
  // Other sizes keep their orientation as shown.
  EXPECT_EQ(PaperSizeOf(Pt(210), Pt(99)), Custom(210, 99));
  EXPECT_EQ(PaperSizeOf(Pt(99), Pt(210)), Custom(99, 210));
  EXPECT_EQ(PaperSizeOf(-Pt(50), 1e300), Custom(50, 100000000)) << "sides past any page are capped";

  PaperSizeTally tally{{{Name::A4}, 3}};
  AddPaperSizes(tally, {{{Name::A4}, 2}, {Custom(1, 2), 1}});
  EXPECT_EQ(tally, (PaperSizeTally{{{Name::A4}, 5}, {Custom(1, 2), 1}}));
}

std::optional<PaperSizeTally> Sizes(const std::string& bytes) { return ReadPaperSizes(MemoryByteSource(bytes)); }

TEST(PageSizes, PagesInheritTheirBoxesAndRotationAndAreScaledByTheirUserUnit) {
  PdfBuilder pdf;
  const int catalog = pdf.Reserve();
  const int root = pdf.Reserve();
  const int node = pdf.Reserve();
  const std::string parent = " /Parent " + std::to_string(root) + " 0 R";
  const std::string inNode = " /Parent " + std::to_string(node) + " 0 R";
  const int letterBox = pdf.Add("[0 0 612 792]");
  const std::vector<std::string> rootPages = {
      "<< /Type /Page" + parent + " >>",                                                  // A4 from the root
      "<< /Type /Page" + parent + " /MediaBox " + std::to_string(letterBox) + " 0 R >>",  // by reference
      "<< /Type /Page" + parent + " /MediaBox [0 0 283.46 141.73] /Rotate -270 >>",       // 100 x 50 mm turned
      "<< /Type /Page" + parent + " /MediaBox [0 0 297.64 420.94] /UserUnit 2 >>",        // A6 doubled: A4
      "<< /Type /Page" + parent + " /CropBox [0 10 595.28 290.63] >>",                    // 210 x 99 mm
      "<< /Type /Page" + parent + " /CropBox [-100 -100 2000 2000] >>",                   // clipped: A4
      "<< /Type /Page" + parent + " /CropBox [1000 1000 1100 1100] >>",                   // outside: A4
      "<< /Type /Page" + parent + " /MediaBox [612 792 0 0] /Rotate 45 >>",               // corners swapped
      "<< /Type /Page" + parent + " /MediaBox [0 0 100] /Rotate (90) /UserUnit -1 >>",    // no box: A4
  };
  // A node that crops and turns its pages, one of which turns back and one sets its own media box.
  const std::vector<std::string> nodePages = {
      "<< /Type /Page" + inNode + " >>",
      "<< /Type /Page" + inNode + " /Rotate 0 >>",
      "<< /Type /Page" + inNode + " /MediaBox [0 0 200 100] >>",
  };
  std::string kids;
  for (const std::string& page : rootPages) kids += std::to_string(pdf.Add(page)) + " 0 R ";
  std::string nodeKids;
  for (const std::string& page : nodePages) nodeKids += std::to_string(pdf.Add(page)) + " 0 R ";
  pdf.Set(node, "<< /Type /Pages" + parent + " /Kids [" + nodeKids +
                    "] /Count 3 /CropBox [0 0 283.46 566.93] /Rotate 90 >>");  // 100 x 200 mm
  kids += std::to_string(node) + " 0 R";
  pdf.Set(root, "<< /Type /Pages /Kids [" + kids + "] /Count 12 /MediaBox [0 0 595.28 841.89] >>");
  pdf.Set(catalog, "<< /Type /Catalog /Pages " + std::to_string(root) + " 0 R >>");

  const std::optional<PaperSizeTally> sizes = Sizes(pdf.Build(catalog));
  ASSERT_TRUE(sizes.has_value());
  const PaperSizeTally expected{
      {Custom(50, 100), 1},  {{Name::A4}, 5},       {{Name::Letter}, 2}, {Custom(210, 99), 1},
      {Custom(200, 100), 1}, {Custom(100, 200), 1}, {Custom(35, 71), 1},
  };
  EXPECT_EQ(*sizes, expected);
}

TEST(PageSizes, SkipWhatAPageHoldsBesideItsBoxesWhereverItStands) {
  // Resources of more values than one object may hold, before and after the media box.
  std::string items;
  for (int i = 0; i < 140000; ++i) items += "0 ";
  const std::string resources = " /Resources << /Big [" + items + "] >>";
  for (const bool boxFirst : {true, false}) {
    const std::string box = " /MediaBox [0 0 612 792]";
    EXPECT_EQ(Sizes(test::MakePdfOfPages({boxFirst ? box + resources : resources + box})),
              (PaperSizeTally{{{Name::Letter}, 1}}))
        << boxFirst;
  }
}

TEST(PageSizes, AFileTheReaderCannotReadHasNoSizes) {
  EXPECT_FALSE(Sizes("").has_value());
  EXPECT_FALSE(Sizes(std::string(3000, 'x')).has_value());
  const std::string good = test::MakePdf(3);
  EXPECT_EQ(Sizes(good), (PaperSizeTally{{{Name::Letter}, 3}}));
  EXPECT_FALSE(Sizes(good.substr(0, good.size() / 2)).has_value());
  // A tree of many pages, each of its own size, is more than any document holds.
  std::vector<std::string> boxes;
  for (int i = 0; i < 5000; ++i) boxes.push_back("0 0 " + std::to_string(10 + 3 * i) + " 100");
  EXPECT_FALSE(Sizes(test::MakePdfWithBoxes(boxes)).has_value());
}

// Where the cross-reference data is damaged (every offset moved, the table wiped), the
// sizes come from the tree the recovery finds.
TEST(PageSizes, AFileWithDamagedCrossReferenceDataHasTheSizesOfItsIntactCopy) {
  const std::string intact = test::MakePdfWithBoxes({"0 0 612 792", "0 0 595.28 841.89", "0 0 283.46 141.73"});
  const PaperSizeTally expected{{{Name::Letter}, 1}, {{Name::A4}, 1}, {Custom(100, 50), 1}};
  ASSERT_EQ(Sizes(intact), expected);
  const std::size_t headerEnd = intact.find('\n') + 1;
  std::string noTable = intact;
  noTable.replace(noTable.find("\nxref\n") + 1, 4, "    ");
  for (const std::string& damaged :
       {intact.substr(0, headerEnd) + "%" + std::string(100, 'x') + "\n" + intact.substr(headerEnd), noTable}) {
    ASSERT_FALSE(CountPagesFast(MemoryByteSource(damaged)).Counted());
    EXPECT_EQ(Sizes(damaged), expected);
  }
}

// The sizes pdfinfo gives the pages of a file: their crop boxes (which it clips to the
// media boxes) turned by their rotation. It ignores /UserUnit.
std::optional<PaperSizeTally> PdfinfoSizes(const TempTree& tree, const std::string& path) {
  test::RunCommand("pdfinfo -f 1 -l 100000 -box '" + path + "' >'" + tree.Path("info") + "' 2>/dev/null");
  std::map<int, int> rotation;
  std::map<int, std::pair<double, double>> crop;
  std::istringstream lines(tree.Read("info"));
  for (std::string line; std::getline(lines, line);) {
    int page = 0, degrees = 0;
    double left = 0, bottom = 0, right = 0, top = 0;
    if (std::sscanf(line.c_str(), "Page %d rot: %d", &page, &degrees) == 2) rotation[page] = degrees;
    if (std::sscanf(line.c_str(), "Page %d CropBox: %lf %lf %lf %lf", &page, &left, &bottom, &right, &top) == 5) {
      crop[page] = {right - left, top - bottom};
    }
  }
  if (crop.empty()) return std::nullopt;
  PaperSizeTally tally;
  for (const auto& [page, size] : crop) {
    const bool turned = rotation[page] % 180 != 0;
    ++tally[turned ? PaperSizeOf(size.second, size.first) : PaperSizeOf(size.first, size.second)];
  }
  return tally;
}

// Real documents where the system has some (the documentation of installed packages), and
// generated ones, each also rewritten by qpdf.
std::vector<std::string> FilesToCompare(const TempTree& tree) {
  std::vector<std::string> files;
  std::error_code error;
  for (auto it = std::filesystem::recursive_directory_iterator("/usr/share/doc", error);
       !error && it != std::filesystem::recursive_directory_iterator() && files.size() < 60; it.increment(error)) {
    if (it->path().extension() == ".pdf" && it->is_regular_file()) files.push_back(it->path());
  }
  const std::string generated = tree.Write(
      "generated.pdf",
      test::MakePdfOfPages({"/MediaBox [0 0 1190.55 841.89]", "/Rotate 90", "/CropBox [20 30 400 500]",
                            "/MediaBox [0 0 612 1008] /Rotate 270", "/MediaBox [0 0 500 300] /CropBox [0 0 900 100]"},
                           "/MediaBox [0 0 595.28 841.89] /Rotate 180"));
  files.push_back(generated);
  const std::string packed = tree.Path("generated-objstm.pdf");
  if (test::QpdfRewrite(generated, packed, "--object-streams=generate --encrypt '' owner 256 --")) {
    files.push_back(packed);
  }
  return files;
}

TEST(PageSizes, AgreeWithPdfinfoOnEveryPage) {
  if (!test::RunCommand("command -v pdfinfo >/dev/null 2>&1"))
    GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
  TempTree tree;
  int compared = 0;
  for (const std::string& path : FilesToCompare(tree)) {
    const std::optional<PaperSizeTally> expected = PdfinfoSizes(tree, path);
    if (!expected) continue;
    const std::atomic<bool> never{false};
    EXPECT_EQ(ReadPaperSizes(path, CountPages(path), never), expected) << path;
    ++compared;
  }
  EXPECT_GE(compared, 2);
}

}  // namespace
}  // namespace folidex
