#include "core/pdf/PageCounter.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "core/pdf/ByteSource.h"
#include "core/pdf/FastPageCounter.h"
#include "core/pdf/PdfReadFailure.h"
#include "core/pdf/QpdfCandidate.h"
#include "core/pdf/QpdfPageCounter.h"
#include "core/pdf/RecoveredDocument.h"
#include "core/pdf/RecoveredPageCount.h"
#include "core/pdf/RegularFile.h"

namespace folidex {
namespace {

using Kind = CountFailure::Kind;

// A file larger than this must start like a PDF to be read at all.
constexpr std::int64_t kHeaderlessSizeLimit = std::int64_t{32} << 20;
// qpdf rebuilds a damaged file by reading it whole, at 5 to 25 MB a second: it may for
// files up to this size, so that no file takes it much more than a second.
constexpr std::int64_t kRepairSizeLimit = std::int64_t{8} << 20;

const std::atomic<bool> kNeverCancelled{false};

// What to report when no reader counted the file: that it uses what no reader reads says
// most (the latest reader to say so knows best); otherwise what the recovery found missing.
CountFailure MostTellingFailure(const std::vector<CountFailure>& failures, const CountFailure& recovery) {
  for (auto failure = failures.rbegin(); failure != failures.rend(); ++failure) {
    if (failure->kind == Kind::Unsupported) return *failure;
  }
  return recovery;
}

}  // namespace

PageCount CountPagesWith(PageEngine engine, const std::string& path, const std::atomic<bool>& cancelRequested) {
  const RegularFile file(path);
  if (!file.IsOpen()) return file.OpenFailure();
  if (file.Size() == 0) return CountFailure{Kind::Empty, {}};
  const FileByteSource source(file.Descriptor(), file.Size());
  if (source.Size() > kHeaderlessSizeLimit && !StartsLikePdf(source)) return CountFailure{Kind::NotPdf, {}};
  const bool repair = source.Size() <= kRepairSizeLimit;
  if (engine == PageEngine::Qpdf) return CountPagesWithQpdf(path, repair, &cancelRequested);

  std::vector<CountFailure> failures;
  // True when `count` is the answer: a count, or a failure that no other reader overcomes.
  const auto decides = [&failures](const PageCount& count) {
    if (count.Counted() || !pdf::OtherReadersMayCount(*count.Failure())) return true;
    failures.push_back(*count.Failure());
    return false;
  };
  const PageCount fast = CountPagesFast(source, &cancelRequested);
  if (decides(fast)) return fast;

  using Reader = std::function<std::optional<PageCount>()>;
  PageCount recovered;
  const Reader recovery = [&] {
    recovered = source.Size() <= pdf::kMaxRecoveredFileSize ? CountPagesRecovered(source, &cancelRequested)
                                                            : pdf::Damaged("over 64 MiB, too large to rebuild");
    return std::optional(recovered);
  };
  const Reader qpdf = [&]() -> std::optional<PageCount> {
    if (engine != PageEngine::Auto || !WorthHandingToQpdf(source, repair)) return std::nullopt;
    return CountPagesWithQpdf(path, repair, &cancelRequested);
  };
  // A damaged file is first recovered by a scan of the whole file, which is faster than
  // qpdf's repair; one that uses what the fast reader lacks (a filter) goes to qpdf first,
  // which reads such files without a scan.
  const bool damaged = fast.Failure()->kind == Kind::Damaged;
  for (const Reader* reader : damaged ? std::array{&recovery, &qpdf} : std::array{&qpdf, &recovery}) {
    const std::optional<PageCount> count = (*reader)();
    if (count && decides(*count)) return *count;
  }
  return MostTellingFailure(failures, *recovered.Failure());
}

PageCount CountPagesWith(PageEngine engine, const std::string& path) {
  return CountPagesWith(engine, path, kNeverCancelled);
}

PageCount CountPages(const std::string& path, const std::atomic<bool>& cancelRequested) {
  return CountPagesWith(PageEngine::Auto, path, cancelRequested);
}

PageCount CountPages(const std::string& path) { return CountPagesWith(PageEngine::Auto, path, kNeverCancelled); }

}  // namespace folidex
