#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/pdf/ByteSource.h"
#include "core/pdf/FastPageCounter.h"
#include "core/pdf/PageCounter.h"
#include "core/pdf/PdfReadFailure.h"
#include "core/pdf/QpdfCandidate.h"
#include "core/pdf/QpdfPageCounter.h"
#include "support/BusyMachine.h"
#include "support/HostilePdf.h"
#include "support/PageCounts.h"
#include "support/StreamPdf.h"
#include "support/TempTree.h"
#include "support/TestPdf.h"

namespace folidex {
namespace {

using Kind = CountFailure::Kind;
using test::FailureKind;
using test::TempTree;

PageCount Count(const std::string& bytes) { return CountPagesFast(MemoryByteSource(bytes)); }

constexpr long long kMiB = 1 << 20;

long long PeakResidentBytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<long long>(usage.ru_maxrss) * 1024;
}

// How far the peak resident memory of a child process that runs `work` rose above what it
// held when it started, in bytes; negative when the child failed.
long long PeakMemoryGrowthOf(const std::function<void()>& work) {
  int channel[2];
  if (pipe(channel) != 0) return -1;
  const pid_t child = fork();
  if (child == 0) {
    const long long before = PeakResidentBytes();
    work();
    const long long growth = PeakResidentBytes() - before;
    _exit(write(channel[1], &growth, sizeof growth) == sizeof growth ? 0 : 1);
  }
  close(channel[1]);
  long long growth = -1;
  if (read(channel[0], &growth, sizeof growth) != sizeof growth) growth = -1;
  close(channel[0]);
  int status = 0;
  const bool exited = child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status);
  return exited && WEXITSTATUS(status) == 0 ? growth : -1;
}

TEST(HostileFile, PredictorRowsAreAllocatedOnlyForDataThatIsThere) {
  // A 500-byte file asks for two rows of 1 GiB.
  const std::string bytes = test::HugePredictorRows();
  ASSERT_LT(bytes.size(), 600u);
  EXPECT_EQ(FailureKind(Count(bytes)), Kind::TooLarge);
  const long long growth = PeakMemoryGrowthOf([&bytes] { Count(bytes); });
  ASSERT_GE(growth, 0);
  EXPECT_LT(growth, 64 * kMiB);

  // Sound predictor rows are still undone, also when they arrive a few bytes at a time.
  test::StreamPdf pdf = test::PackedTree(2, {});
  const std::string plain = pdf.Build(1);
  const std::size_t start = plain.find("stream\n", plain.rfind("/XRef")) + 7;
  const std::string rows = plain.substr(start, 7 * 7);  // objects 0 to 6, W [1 4 2]
  std::string predicted;                                // PNG "Up" rows: each byte minus the one above
  for (std::size_t row = 0; row < 7; ++row) {
    predicted += '\x02';
    for (std::size_t i = 0; i < 7; ++i) {
      predicted += static_cast<char>(rows[row * 7 + i] - (row > 0 ? rows[(row - 1) * 7 + i] : 0));
    }
  }
  pdf.xrefStreamFlate = test::Deflated(predicted);
  pdf.xrefStreamExtra = "/DecodeParms << /Predictor 12 /Columns 7 >>";
  EXPECT_EQ(Count(pdf.Build(1)), PageCount(2));
}

TEST(HostileFile, LargeTreesWithoutAUsableCountAreCountedByTheFastReader) {
  // The root's /Kids takes about 3 MB: more than one window of text before the last.
  EXPECT_EQ(Count(test::FlatTreeWithoutCount(300000)), PageCount(300000));
  // A deep tree whose nodes lie far apart in the file.
  EXPECT_EQ(Count(test::MakePdf(20000, 7)), PageCount(20000));
}

TEST(HostileFile, ObjectsAreReadUpToTheLargestWindowAndNoFurther) {
  // A catalog that carries an array of 12 MB, then one of 20 MB: beyond the reader's bound.
  for (const auto& [megabytes, failure] :
       {std::pair{12, std::optional<Kind>()}, std::pair{20, std::optional(Kind::TooLarge)}}) {
    test::PdfBuilder pdf;
    const int catalog = pdf.Reserve();
    const int root = pdf.Add("<< /Type /Pages /Kids [3 0 R] /Count 1 >>");
    pdf.Add("<< /Type /Page >>");
    std::string junk;
    for (int i = 0; i < megabytes << 19; ++i) junk += "0 ";
    pdf.Set(catalog, "<< /Type /Catalog /Junk [" + junk + "] /Pages " + std::to_string(root) + " 0 R >>");
    EXPECT_EQ(FailureKind(Count(pdf.Build(catalog))), failure) << megabytes;
  }
}

TEST(HostileFile, StartxrefThatLeadsNowhereFallsBackToTheLastSection) {
  const std::string classic = test::MakePdf(5000);
  const std::size_t object = classic.find("2 0 obj");
  for (const std::string& offset : {std::string("99999999999"), std::to_string(object + 3), std::string("x")}) {
    EXPECT_EQ(Count(test::WithStartxref(classic, offset)), PageCount(5000)) << offset;
  }
  EXPECT_EQ(Count(test::WithStartxref(test::PackedTree(1, {2}).Build(1), "17")), PageCount(1))
      << "cross-reference stream";
}

TEST(HostileFile, ObjectStreamOffsetsCannotOverflow) {
  EXPECT_EQ(FailureKind(Count(test::ObjectStreamWithHugeFirst())), Kind::Damaged);
}

TEST(HostileFile, ATreePastTheDepthBoundIsAFailureInBothReaders) {
  TempTree tree;
  const std::string deep = tree.Write("deep.pdf", test::PageChain(300));
  EXPECT_FALSE(CountPagesWith(PageEngine::Fast, deep).Counted());
  EXPECT_FALSE(CountPagesWithQpdf(deep).Counted());
  EXPECT_FALSE(CountPages(deep).Counted());
  // Within the bound the same chain is counted.
  EXPECT_EQ(CountPages(tree.Write("chain.pdf", test::PageChain(200))), PageCount(1));
}

TEST(HostileFile, AnObjectStreamIsDecodedOnlyAsFarAsTheObjectsSought) {
  // 200 MiB decoded, about 200 KB on disk: the page-tree objects are at its start.
  const std::string padded = test::PaddedObjectStream(std::size_t{200} << 20);
  ASSERT_LT(padded.size(), 300000u);
  EXPECT_EQ(Count(padded), PageCount(1));
}

TEST(HostileFile, WhatTheReaderStopsOnItsBoundsIsNotHandedToQpdf) {
  TempTree tree;
  // 2^40 paths through 42 objects: the fast reader stops, and qpdf's walk is bounded too.
  const std::string exponential = tree.Write("exponential.pdf", test::ExponentialPageTree(40));
  EXPECT_EQ(FailureKind(Count(test::ExponentialPageTree(40))), Kind::TooSlow);
  EXPECT_FALSE(CountPages(exponential).Counted());
  EXPECT_FALSE(CountPagesWithQpdf(exponential).Counted());
}

TEST(HostileFile, HopelessFilesAreNeverHandedToQpdfNorRecovered) {
  TempTree tree;
  // Large files: without a header they fail at once; with one, qpdf reads them only when
  // "startxref" ends them, and neither qpdf nor the recovery rebuilds them.
  const std::string header = "%PDF-1.7\n";
  const std::int64_t big = std::int64_t{2} << 30;
  const CountFailure tooLargeToRebuild{Kind::Damaged, "over 64 MiB, too large to rebuild"};
  for (const auto& [name, head, failure] : {std::tuple{"zeros.pdf", std::string(), CountFailure{Kind::NotPdf, {}}},
                                            std::tuple{"header.pdf", header, tooLargeToRebuild},
                                            std::tuple{"three-pages.pdf", test::MakePdf(3), tooLargeToRebuild}}) {
    const std::string path = tree.Path(name);
    ASSERT_TRUE(test::WriteSparse(path, big, head)) << name;
    EXPECT_EQ(CountPages(path), PageCount(failure)) << name;
  }
  // Small files: qpdf may rebuild them only when they hold an object and a trailer.
  const std::string junk = test::Junk(std::size_t{4} << 20);
  EXPECT_FALSE(WorthHandingToQpdf(MemoryByteSource(junk), true));
  EXPECT_FALSE(WorthHandingToQpdf(MemoryByteSource(header + junk), true));
  const std::string damaged = "\n" + test::MakePdf(3).substr(9);
  EXPECT_TRUE(WorthHandingToQpdf(MemoryByteSource(damaged), true));
  EXPECT_FALSE(WorthHandingToQpdf(MemoryByteSource(damaged + std::string(17 << 20, ' ')), false));
  EXPECT_TRUE(WorthHandingToQpdf(MemoryByteSource(std::string(17 << 20, ' ') + damaged), false));
}

TEST(HostileFile, QpdfStoppedOnItsBoundGivesNoPartialCount) {
  // qpdf reads a damaged object as null and goes on; stopped anywhere in its walk of this
  // tree, it must fail rather than count what it found so far.
  TempTree tree;
  const std::string path = tree.Write("nested.pdf", test::MakePdf(300, 4));
  for (std::int64_t allowance = 0; allowance < 60000; allowance += 1500) {
    const PageCount pages = CountPagesWithQpdf(path, true, nullptr, allowance);
    EXPECT_TRUE(pages == PageCount(300) || FailureKind(pages) == Kind::TooSlow) << allowance << ": " << pages.Pages();
  }
  EXPECT_EQ(CountPagesWithQpdf(path, true, nullptr, 1 << 20), PageCount(300));
}

TEST(HostileFile, CancellingStopsACountInEitherReader) {
  TempTree tree;
  const std::string path = tree.Write("pages.pdf", test::MakePdf(40));
  const std::atomic<bool> cancelled{true};
  const std::string bytes = test::MakePdf(40);
  EXPECT_EQ(FailureKind(CountPagesFast(MemoryByteSource(bytes), &cancelled)), Kind::Cancelled);
  EXPECT_FALSE(CountPagesWithQpdf(path, true, &cancelled).Counted());
  EXPECT_FALSE(CountPages(path, cancelled).Counted());
  EXPECT_EQ(CountPagesWithQpdf(path), PageCount(40));
}

TEST(HostileFile, TheSameFileGetsTheSameAnswerOnABusyMachine) {
  TempTree tree;
  // 100,000 pages without /Count (10 MB), counted by each engine; qpdf's time over it once
  // decided between a count and "Error".
  const std::string many = tree.Write("many.pdf", test::FlatTreeWithoutCount(100000));
  const std::string exponential = tree.Write("exponential.pdf", test::ExponentialPageTree(40));
  const std::vector<std::pair<PageEngine, std::string>> cases = {
      {PageEngine::Auto, many}, {PageEngine::Qpdf, many}, {PageEngine::Auto, exponential}};
  std::vector<PageCount> idle;
  for (const auto& [engine, path] : cases) idle.push_back(CountPagesWith(engine, path));
  EXPECT_EQ(idle,
            (std::vector<PageCount>{PageCount(100000), PageCount(100000), pdf::TooSlow(pdf::kTreeSharedTooOften)}));
  const test::BusyMachine busy(2);
  for (std::size_t i = 0; i < cases.size(); ++i) {
    EXPECT_EQ(CountPagesWith(cases[i].first, cases[i].second), idle[i]) << cases[i].second;
  }
}

}  // namespace
}  // namespace folidex
