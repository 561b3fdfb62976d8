#include "core/pdf/PageCounter.h"

#include <cstdint>
#include <string_view>

#include "core/pdf/ByteSource.h"
#include "core/pdf/FastPageCounter.h"
#include "core/pdf/QpdfCandidate.h"
#include "core/pdf/QpdfPageCounter.h"
#include "core/pdf/RegularFile.h"

namespace folidex {
namespace {

// A file larger than this must start like a PDF to be read at all.
constexpr std::int64_t kHeaderlessSizeLimit = std::int64_t{32} << 20;
// qpdf rebuilds a damaged file by reading it whole, at 5 to 25 MB a second: it may for
// files up to this size, so that no file takes it much more than a second.
constexpr std::int64_t kRepairSizeLimit = std::int64_t{8} << 20;

const std::atomic<bool> kNeverCancelled{false};

}  // namespace

int CountPagesWith(PageEngine engine, const std::string& path, const std::atomic<bool>& cancelRequested) {
  bool repair = true;
  {
    const RegularFile file(path);
    if (!file.IsOpen()) return -1;
    const FileByteSource source(file.Descriptor(), file.Size());
    if (source.Size() > kHeaderlessSizeLimit && !StartsLikePdf(source)) return -1;
    repair = source.Size() <= kRepairSizeLimit;
    if (engine != PageEngine::Qpdf) {
      const FastCount fast = CountPagesFast(source, &cancelRequested);
      if (fast.failure != pdf::PdfReadFailure::NotUnderstood || engine == PageEngine::Fast) return fast.pages;
      if (!WorthHandingToQpdf(source, repair)) return -1;
    }
  }
  return CountPagesWithQpdf(path, repair, &cancelRequested);
}

int CountPagesWith(PageEngine engine, const std::string& path) { return CountPagesWith(engine, path, kNeverCancelled); }

int CountPages(const std::string& path, const std::atomic<bool>& cancelRequested) {
  return CountPagesWith(PageEngine::Auto, path, cancelRequested);
}

int CountPages(const std::string& path) { return CountPagesWith(PageEngine::Auto, path, kNeverCancelled); }

}  // namespace folidex
