#include "core/pdf/PageCounter.h"

#include <cstdint>
#include <string_view>

#include "core/pdf/ByteSource.h"
#include "core/pdf/FastPageCounter.h"
#include "core/pdf/QpdfPageCounter.h"
#include "core/pdf/RegularFile.h"

namespace folidex {
namespace {

// Files up to this size go to qpdf whatever their first bytes hold: a PDF whose header
// was lost is still rebuilt from its objects.
constexpr std::int64_t kRepairAnySizeLimit = std::int64_t{32} << 20;

// qpdf rebuilds damaged files by reading them whole. That is worth it for a file that
// starts like a PDF (within its first KiB, as qpdf looks for it) or is small enough to
// read quickly, not for a large file of zeros or of something else.
bool WorthRepairing(const ByteSource& source) {
  if (source.Size() <= kRepairAnySizeLimit) return true;
  char head[1024];
  const std::size_t size = source.ReadAt(0, head, sizeof head);
  return std::string_view(head, size).find("%PDF-") != std::string_view::npos;
}

}  // namespace

int CountPagesWith(PageEngine engine, const std::string& path) {
  if (engine == PageEngine::Qpdf) return CountPagesWithQpdf(path);
  {
    const RegularFile file(path);
    if (!file.IsOpen()) return -1;
    const FileByteSource source(file.Descriptor(), file.Size());
    const FastCount fast = CountPagesFast(source);
    if (fast.failure != pdf::PdfReadFailure::NotUnderstood || engine == PageEngine::Fast) return fast.pages;
    if (!WorthRepairing(source)) return -1;
  }
  return CountPagesWithQpdf(path);
}

int CountPages(const std::string& path) { return CountPagesWith(PageEngine::Auto, path); }

}  // namespace folidex
