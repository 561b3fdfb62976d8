#include <gtest/gtest.h>

#include <string>

#include "core/pdf/ByteSource.h"
#include "core/pdf/FastPageCounter.h"
#include "core/pdf/QpdfPageCounter.h"
#include "support/HostilePdf.h"
#include "support/PageCounts.h"
#include "support/StreamPdf.h"
#include "support/TempTree.h"
#include "support/TestPdf.h"

namespace folidex {
namespace {

using Kind = CountFailure::Kind;
using test::Deflated;
using test::DeflatedZeros;
using test::FailureKind;
using test::MakePdf;
using test::PackedTree;
using test::PdfBuilder;
using test::SmallTree;
using test::StreamPdf;

PageCount Count(const std::string& bytes) { return CountPagesFast(MemoryByteSource(bytes)); }

std::string ClassicPdf(const std::map<int, std::string>& objects, const std::string& trailerExtra = "") {
  PdfBuilder pdf;
  for (const auto& [number, body] : objects) {
    while (pdf.Reserve() < number) {
    }
    pdf.Set(number, body);
  }
  return pdf.Build(1, trailerExtra);
}

std::size_t StartXref(const std::string& pdf) { return std::stoul(pdf.substr(pdf.rfind("startxref") + 10)); }

// Appends an incremental update that replaces or adds `objects`, with /Prev to the newest
// section before it.
std::string AppendUpdate(const std::string& pdf, const std::map<int, std::string>& objects, int size) {
  std::string out = pdf;
  std::string table = "xref\n";
  for (const auto& [number, body] : objects) {
    char entry[32];
    std::snprintf(entry, sizeof entry, "%d 1\n%010zu 00000 n\r\n", number, out.size());
    table += entry;
    out += std::to_string(number) + " 0 obj\n" + body + "\nendobj\n";
  }
  const std::size_t xref = out.size();
  return out + table + "trailer\n<< /Size " + std::to_string(size) + " /Root 1 0 R /Prev " +
         std::to_string(StartXref(pdf)) + " >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
}

TEST(FastPageCounter, ReadsEachFormOfCrossReference) {
  EXPECT_EQ(Count(MakePdf(12)), PageCount(12));
  EXPECT_EQ(Count(MakePdf(300, 5)), PageCount(300));

  StreamPdf packed = PackedTree(3, {2, 4});
  EXPECT_EQ(Count(packed.Build(1)), PageCount(3)) << "cross-reference stream with an object stream";
  packed.hybrid = true;
  EXPECT_EQ(Count(packed.Build(1)), PageCount(3)) << "hybrid file";
}

TEST(FastPageCounter, TakesTheNewestUpdateOfAnObject) {
  const std::string original = ClassicPdf(SmallTree(3));
  const std::string updated = AppendUpdate(
      original,
      {{2, "<< /Type /Pages /Kids [3 0 R 4 0 R 5 0 R 6 0 R] /Count 4 >>"}, {6, "<< /Type /Page /Parent 2 0 R >>"}}, 7);
  EXPECT_EQ(Count(updated), PageCount(4));
  const std::string again = AppendUpdate(updated, {{2, "<< /Type /Pages /Kids [3 0 R] /Count 1 >>"}}, 7);
  EXPECT_EQ(Count(again), PageCount(1));
}

TEST(FastPageCounter, EndsAPrevChainThatLoops) {
  // The first trailer's /Prev points at the newest section: its own table, then an update's.
  const std::string base = ClassicPdf(SmallTree(2), "/Prev 0000000000 ");
  const auto prevToNewest = [](std::string pdf) {
    const std::string offset = std::to_string(StartXref(pdf));
    return pdf.replace(pdf.find("/Prev ") + 16 - offset.size(), offset.size(), offset);
  };
  EXPECT_EQ(Count(prevToNewest(base)), PageCount(2));
  EXPECT_EQ(Count(prevToNewest(AppendUpdate(base, {{2, "<< /Type /Pages /Kids [3 0 R] /Count 1 >>"}}, 5))),
            PageCount(1));
}

TEST(FastPageCounter, CountsTheLeavesWhenCountIsNoCountTheFileCanHold) {
  for (const char* count : {"9999999999", "-1", "2.5", "1000", "(3)", "99999999999999999999999"}) {
    EXPECT_EQ(Count(ClassicPdf(SmallTree(3, count))), PageCount(3)) << count;
  }
  // Kids that lead back up the tree are skipped, as qpdf's count skips them; a page listed
  // twice counts twice.
  auto loop = SmallTree(2, "9999999999");
  loop[5] = "<< /Type /Pages /Kids [2 0 R 4 0 R 3 0 R] /Count 1 >>";
  loop[2] = "<< /Type /Pages /Kids [3 0 R 5 0 R 2 0 R] /Count 9999999999 >>";
  EXPECT_EQ(Count(ClassicPdf(loop)), PageCount(3));
  test::TempTree tree;
  EXPECT_EQ(CountPagesWithQpdf(tree.Write("loop.pdf", ClassicPdf(loop))), PageCount(3));
}

TEST(FastPageCounter, GivesUpOnDecompressionBombs) {
  StreamPdf inObjectStream = PackedTree(1, {2});
  inObjectStream.objectStreamFlate = DeflatedZeros(std::size_t{80} << 20);
  EXPECT_EQ(FailureKind(Count(inObjectStream.Build(1))), Kind::TooLarge);
  EXPECT_EQ(FailureKind(Count(test::XrefStreamBomb())), Kind::TooLarge);
}

TEST(FastPageCounter, InflatesFlateDataWhateverItsChecksumButOnlyPlainZlibData) {
  StreamPdf packed = PackedTree(2, {2});
  const std::string flate = Deflated("2 0 " + packed.packed[2] + "\n");
  packed.objectStreamFlate = flate;
  EXPECT_EQ(Count(packed.Build(1)), PageCount(2));

  packed.objectStreamFlate.back() ^= 0x55;
  EXPECT_EQ(Count(packed.Build(1)), PageCount(2)) << "the checksum damaged";
  // 0x78 0xBB asks for a preset dictionary, which no PDF stream has; 0x79 names no known method.
  for (const std::string header : {"\x78\xBB", "\x79\x18"}) {
    packed.objectStreamFlate = header + flate.substr(2);
    EXPECT_EQ(FailureKind(Count(packed.Build(1))), Kind::Damaged) << header;
  }
}

TEST(FastPageCounter, FindsTheLastSectionOfAFileThatLostItsTail) {
  const auto cut = [](const std::string& pdf) { return pdf.substr(0, pdf.rfind("startxref")); };
  EXPECT_EQ(Count(cut(MakePdf(4))), PageCount(4)) << "classic table";
  StreamPdf packed = PackedTree(3, {2});
  EXPECT_EQ(Count(cut(packed.Build(1))), PageCount(3)) << "cross-reference stream";
  const std::string whole = packed.Build(1);
  EXPECT_EQ(Count(whole.substr(0, whole.rfind("endstream") + 3)), PageCount(3)) << "cut inside the stream's end";
  packed.hybrid = true;
  EXPECT_EQ(Count(cut(packed.Build(1))), PageCount(3)) << "hybrid file";
  // Without the newest section, the update before it is what the file holds.
  const std::string original = ClassicPdf(SmallTree(3));
  const std::string updated = AppendUpdate(original, {{2, "<< /Type /Pages /Kids [3 0 R] /Count 1 >>"}}, 6);
  EXPECT_EQ(Count(cut(updated)), PageCount(1));
  // The same when that update's table follows a cross-reference stream, beyond the tail
  // where "startxref" is looked for.
  const std::string padded = "<< /Type /Pages /Kids [3 0 R] /Count 1 /Padding (" + std::string(2000, 'x') + ") >>";
  EXPECT_EQ(Count(cut(AppendUpdate(PackedTree(3, {2}).Build(1), {{2, padded}}, 6))), PageCount(1)) << "stream, table";
}

TEST(FastPageCounter, LeavesWhatItCannotReadToTheFallback) {
  const std::string good = MakePdf(3);
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"no PDF", std::string(5000, 'x')},
      {"cut in half", good.substr(0, good.size() / 2)},
      // Bytes inserted before the first object move every object away from where the table says.
      {"offsets moved", good.substr(0, good.find("1 0 obj")) + "0000000000\n" + good.substr(good.find("1 0 obj"))},
  };
  for (const auto& [what, bytes] : cases) {
    EXPECT_EQ(FailureKind(Count(bytes)), Kind::Damaged) << what;
  }
  // A root that lost its /Kids lost its pages: its /Count is not taken on trust.
  EXPECT_EQ(Count(ClassicPdf({{1, "<< /Type /Catalog /Pages 2 0 R >>"}, {2, "<< /Type /Pages /Count 3 >>"}})),
            PageCount(CountFailure{Kind::Damaged, "no page tree"}));

  std::string bytes = PackedTree(1, {2}).Build(1);
  bytes.replace(bytes.find("/Type /XRef"), 11, "/Type /XRef /Encrypt << >>");
  EXPECT_EQ(FailureKind(Count(bytes)), Kind::Encrypted) << "encrypted object stream";
}

}  // namespace
}  // namespace folidex
