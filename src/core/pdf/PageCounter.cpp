#include "core/pdf/PageCounter.h"

#include <cstdint>
#include <string_view>

#include "core/pdf/ByteSource.h"
#include "core/pdf/FastPageCounter.h"
#include "core/pdf/QpdfPageCounter.h"
#include "core/pdf/RegularFile.h"
#include "core/pdf/RepairCandidate.h"

namespace folidex {
namespace {

// qpdf rebuilds damaged files by reading them whole, slowly: up to this size it may, and a
// larger file must also start like a PDF to be read at all.
constexpr std::int64_t kRepairSizeLimit = std::int64_t{32} << 20;

const std::atomic<bool> kNeverCancelled{false};

}  // namespace

int CountPagesWith(PageEngine engine, const std::string& path, const std::atomic<bool>& cancelRequested) {
  std::int64_t size = 0;
  bool worthQpdf = true;
  {
    const RegularFile file(path);
    if (!file.IsOpen()) return -1;
    const FileByteSource source(file.Descriptor(), file.Size());
    size = source.Size();
    if (source.Size() > kRepairSizeLimit && !StartsLikePdf(source)) return -1;
    if (engine != PageEngine::Qpdf) {
      const FastCount fast = CountPagesFast(source, &cancelRequested);
      if (fast.failure != pdf::PdfReadFailure::NotUnderstood || engine == PageEngine::Fast) return fast.pages;
      worthQpdf = HoldsWhatQpdfNeeds(source);
    }
  }
  if (!worthQpdf) return -1;
  return CountPagesWithQpdf(path, size <= kRepairSizeLimit, &cancelRequested);
}

int CountPagesWith(PageEngine engine, const std::string& path) {
  return CountPagesWith(engine, path, kNeverCancelled);
}

int CountPages(const std::string& path, const std::atomic<bool>& cancelRequested) {
  return CountPagesWith(PageEngine::Auto, path, cancelRequested);
}

int CountPages(const std::string& path) { return CountPagesWith(PageEngine::Auto, path, kNeverCancelled); }

}  // namespace folidex
