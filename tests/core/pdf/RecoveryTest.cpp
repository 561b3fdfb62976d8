#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/pdf/ByteSource.h"
#include "core/pdf/FastPageCounter.h"
#include "core/pdf/PageCounter.h"
#include "core/pdf/RecoveredPageCount.h"
#include "support/HostilePdf.h"
#include "support/PageCounts.h"
#include "support/StreamPdf.h"
#include "support/TempTree.h"
#include "support/TestPdf.h"

namespace folidex {
namespace {

using Kind = CountFailure::Kind;
using test::FailureKind;
using test::MakePdf;
using test::StreamPdf;

PageCount Fast(const std::string& bytes) { return CountPagesFast(MemoryByteSource(bytes)); }
PageCount Recover(const std::string& bytes) { return CountPagesRecovered(MemoryByteSource(bytes)); }

CountFailure Damage(const std::string& detail) { return {Kind::Damaged, detail}; }

// Objects written one after the other as `number 0 obj ... endobj`, with no
// cross-reference data and no trailer.
std::string Objects(const std::vector<std::pair<int, std::string>>& objects) {
  std::string out = "%PDF-1.7\n";
  for (const auto& [number, body] : objects) out += std::to_string(number) + " 0 obj\n" + body + "\nendobj\n";
  return out;
}

// A catalog (1), a page-tree root (2) over `pages` pages (3, 4, ...) with `count` as its /Count.
std::vector<std::pair<int, std::string>> Tree(int pages, int count) {
  const auto objects = test::SmallTree(pages, std::to_string(count));
  return {objects.begin(), objects.end()};
}

// The same tree with its catalog and root packed in an object stream, and a
// cross-reference stream that names the catalog.
std::string PackedTree(int pages) { return test::PackedTree(pages, {1, 2}).Build(1); }

// Where the last cross-reference section of the file starts: a table, or a stream's object.
std::size_t LastSection(const std::string& pdf) {
  const std::size_t table = pdf.rfind("\nxref") + 1;
  const std::size_t stream = pdf.rfind("\n", pdf.rfind(" obj", pdf.rfind("/XRef"))) + 1;
  return std::max(table, stream);
}

// The kinds of damage that leave every object of a file whole, as make_corpus.py makes them.
const std::map<std::string, std::function<std::string(const std::string&)>> kWholeObjectDamage = {
    {"offsets shifted", [](const std::string& pdf) { return "%PDF-1.7\n% shifted\n" + pdf.substr(9); }},
    {"trailer cut", [](const std::string& pdf) { return pdf.substr(0, LastSection(pdf)); }},
    {"trailer cut before /Root",
     [](const std::string& pdf) { return pdf.substr(0, pdf.find("/Root", LastSection(pdf))); }},
    {"table and offsets wrong",
     [](const std::string& pdf) {
       std::string damaged = pdf;
       for (std::size_t at = damaged.find(" 00000 n"); at != std::string::npos; at = damaged.find(" 00000 n", at + 1)) {
         damaged[at - 1] = damaged[at - 1] == '9' ? '0' : '9';
       }
       return damaged;
     }},
};

TEST(Recovery, CountsWhatTheIntactFileCountsWhenTheDamageLeavesObjectsWhole) {
  test::TempTree tree;
  const std::string nested = tree.Write("nested.pdf", MakePdf(300, 4));
  std::map<std::string, std::string> files{
      {"flat", MakePdf(37)}, {"nested", test::FileBytes(nested)}, {"packed by hand", PackedTree(12)}};
  for (const auto& [name, options] : {std::pair{"object streams", "--object-streams=generate"},
                                      std::pair{"linearized", "--linearize --object-streams=generate"}}) {
    ASSERT_TRUE(test::QpdfRewrite(nested, tree.Path("rewritten.pdf"), options)) << name;
    files[name] = test::FileBytes(tree.Path("rewritten.pdf"));
  }
  for (const auto& [name, intact] : files) {
    const PageCount pages = Fast(intact);
    ASSERT_TRUE(pages.Counted()) << name;
    EXPECT_EQ(Recover(intact), pages) << name;
    for (const auto& [damage, make] : kWholeObjectDamage) {
      const std::string damaged = make(intact);
      EXPECT_EQ(Recover(damaged), pages) << name << ", " << damage;
      EXPECT_EQ(CountPages(tree.Write("damaged.pdf", damaged)), pages) << name << ", " << damage;
    }
  }
}

TEST(Recovery, TakesTheCatalogTheNewestTrailerNamesThenTheNewestCatalog) {
  // The trailer names catalog 1 (3 pages); a stray catalog (1 page) stands later in the file.
  std::vector<std::pair<int, std::string>> objects = Tree(3, 3);
  objects.emplace_back(20, "<< /Type /Catalog /Pages 21 0 R >>");
  objects.emplace_back(21, "<< /Type /Pages /Kids [22 0 R] /Count 1 >>");
  objects.emplace_back(22, "<< /Type /Page >>");
  const std::string named = Objects(objects) + "trailer\n<< /Size 23 /Root 1 0 R >>\n";
  EXPECT_EQ(Recover(named), PageCount(3));
  // The newest definition of an object wins, as an incremental update's would: here a
  // root over two of the three pages.
  std::vector<std::pair<int, std::string>> updated = Tree(3, 3);
  updated.emplace_back(2, "<< /Type /Pages /Kids [3 0 R 4 0 R] /Count 2 >>");
  EXPECT_EQ(Recover(Objects(updated) + "trailer\n<< /Size 6 /Root 1 0 R >>\n"), PageCount(2));
  // Without a trailer the newest catalog decides: here catalog 1 again, now over 1 page.
  objects.emplace_back(1, "<< /Type /Catalog /Pages 21 0 R >>");
  EXPECT_EQ(Recover(Objects(objects)), PageCount(1));
  // A cross-reference stream names the catalog too, also when it is all that is left of one.
  const std::string packed = PackedTree(5);
  EXPECT_EQ(Recover(packed.substr(0, packed.rfind("stream\n"))), PageCount(5));
}

TEST(Recovery, CountsThePagesTheNodesListWhenNoCatalogIsLeft) {
  std::vector<std::pair<int, std::string>> objects = Tree(3, 3);
  objects.erase(objects.begin());
  EXPECT_EQ(Recover(Objects(objects)), PageCount(3));
  EXPECT_EQ(Recover(Objects(objects) + "trailer\n<< /Root 1 0 R >>\n"), PageCount(3)) << "a root that leads nowhere";

  // Two nodes over 2 and 1 pages: with their root lost, neither may stand for the document.
  const std::vector<std::pair<int, std::string>> lostRoot{
      {3, "<< /Type /Pages /Parent 2 0 R /Kids [5 0 R 6 0 R] /Count 2 >>"},
      {4, "<< /Type /Pages /Parent 2 0 R /Kids [7 0 R] /Count 1 >>"},
      {5, "<< /Type /Page /Parent 3 0 R >>"},
      {6, "<< /Type /Page /Parent 3 0 R >>"},
      {7, "<< /Type /Page /Parent 4 0 R >>"}};
  EXPECT_EQ(Recover(Objects(lostRoot)), PageCount(Damage("no catalog")));
  std::vector<std::pair<int, std::string>> onlyOne(lostRoot.begin(), lostRoot.end());
  onlyOne.erase(onlyOne.begin() + 1);
  EXPECT_EQ(Recover(Objects(onlyOne)), PageCount(Damage("no catalog"))) << "one node left, below a lost root";
}

TEST(Recovery, IndexesTheObjectsOfTheObjectStreamsItFinds) {
  // The catalog and the root live in an object stream; the cross-reference stream is gone.
  const std::string packed = PackedTree(4);
  const std::string noXref = packed.substr(0, packed.rfind(" 0 obj") - 2);
  EXPECT_FALSE(Fast(noXref).Counted());
  EXPECT_EQ(Recover(noXref), PageCount(4));
  // An object stream that the end of the file cuts short still yields the objects before the cut.
  StreamPdf cut = test::PackedTree(2, {1, 3, 4});
  cut.packed[9] = "<< /Padding (" + std::string(3000, 'x') + ") >>";
  const std::string whole = cut.Build(1);
  EXPECT_EQ(Recover(whole.substr(0, whole.find("/Padding") + 100)), PageCount(2));
}

TEST(Recovery, SkipsStreamData) {
  // Text in a content stream that looks like a newer definition of the root, after a
  // /Length given in the stream's dictionary, and after one in an object of its own.
  const std::string fake = "2 0 obj\n<< /Type /Pages /Kids [] /Count 0 >>\nendobj\n";
  for (const std::string& length : {std::to_string(fake.size()), std::string("10 0 R")}) {
    std::vector<std::pair<int, std::string>> objects = Tree(2, 2);
    objects.emplace_back(9, "<< /Length " + length + " >>\nstream\n" + fake + "endstream");
    objects.emplace_back(10, std::to_string(fake.size()));
    EXPECT_EQ(Recover(Objects(objects)), PageCount(2)) << length;
  }
}

TEST(Recovery, GivesACountOnlyWhereTheTreeAndItsCountAgree) {
  EXPECT_EQ(Recover(Objects(Tree(3, 5))), PageCount(Damage("page tree incomplete"))) << "/Count above the pages";
  EXPECT_EQ(Recover(Objects(Tree(3, 2))), PageCount(Damage("page tree incomplete"))) << "/Count below the pages";
  // A kid that is missing or cannot be read is left to its node's /Count, when that still
  // leaves a page for it; deeper in the tree, the root's /Count checks the node's.
  std::vector<std::pair<int, std::string>> missing = Tree(3, 3);
  missing.pop_back();
  EXPECT_EQ(Recover(Objects(missing)), PageCount(3)) << "a page missing";
  missing[1].second = "<< /Type /Pages /Kids [3 0 R 4 0 R 5 0 R] /Count 2 >>";
  EXPECT_EQ(Recover(Objects(missing)), PageCount(Damage("page tree incomplete"))) << "no room left for it";
  std::vector<std::pair<int, std::string>> damaged = Tree(3, 3);
  damaged.back().second = "<< /Type /Page \xAFMediaBox [0 0 10 10] >>";
  EXPECT_EQ(Recover(Objects(damaged)), PageCount(3)) << "a page damaged";
  const std::vector<std::pair<int, std::string>> nested{
      {1, "<< /Type /Catalog /Pages 2 0 R >>"},
      {2, "<< /Type /Pages /Kids [3 0 R 4 0 R] /Count 5 >>"},
      {3, "<< /Type /Pages /Parent 2 0 R /Kids [5 0 R 6 0 R 7 0 R] /Count 3 >>"},
      {4, "<< /Type /Page /Parent 2 0 R >>"},
      {5, "<< /Type /Page /Parent 3 0 R >>"}};
  EXPECT_EQ(Recover(Objects(nested)), PageCount(Damage("page tree incomplete"))) << "root /Count 5, node 3 + 1 page";
  std::vector<std::pair<int, std::string>> agreeing = nested;
  agreeing[1].second = "<< /Type /Pages /Kids [3 0 R 4 0 R] /Count 4 >>";
  EXPECT_EQ(Recover(Objects(agreeing)), PageCount(4)) << "two pages of node 3 missing";
  // A root without /Kids is no page tree; a catalog without /Pages leads to none.
  EXPECT_EQ(Recover(Objects({{1, "<< /Type /Catalog /Pages 2 0 R >>"}, {2, "<< /Type /Pages /Count 1 >>"}})),
            PageCount(Damage("no page tree")));
  EXPECT_EQ(Recover(Objects({{1, "<< /Type /Catalog >>"}})), PageCount(Damage("no page tree")));
  EXPECT_EQ(Recover("%PDF-1.7\nno objects here\n"), PageCount(Damage("no objects")));
  EXPECT_EQ(FailureKind(Recover("no PDF here at all\n")), Kind::NotPdf);
}

TEST(Recovery, StopsOnItsBounds) {
  EXPECT_EQ(Recover(test::TinyObjects((1 << 20) + 1)),
            PageCount(CountFailure{Kind::TooLarge, "more than 1,048,576 objects to recover"}));
  // Each header opens a string that runs to the end of the file: read again and again,
  // they use up the work a file of their size may take.
  EXPECT_EQ(FailureKind(Recover(test::HeadersOfUnendedStrings(200000))), Kind::TooSlow);
  // Object streams whose one object lies 15 MB into zeros: together they inflate more than
  // the file may yield, which ends the recovery rather than leaving out one object after another.
  std::vector<std::pair<int, std::string>> streams;
  for (int number = 1; number <= 5; ++number) {
    const std::string data = test::DeflatedZeros(15000000, "100 15000000 ");
    streams.emplace_back(number, "<< /Type /ObjStm /N 1 /First 13 /Filter /FlateDecode /Length " +
                                     std::to_string(data.size()) + " >>\nstream\n" + data + "\nendstream");
  }
  EXPECT_EQ(Recover(Objects(streams)),
            PageCount(CountFailure{Kind::TooLarge, "more decompressed data than a file of its size yields"}));
  const std::atomic<bool> cancelled{true};
  EXPECT_EQ(FailureKind(CountPagesRecovered(MemoryByteSource(Objects(Tree(3, 3))), &cancelled)), Kind::Cancelled);
}

}  // namespace
}  // namespace folidex
