#include "core/pdf/PageCounter.h"

#include <string_view>

#include "core/pdf/ByteSource.h"
#include "core/pdf/FastPageCounter.h"
#include "core/pdf/QpdfPageCounter.h"
#include "core/pdf/RegularFile.h"

namespace folidex {
namespace {

// qpdf rebuilds damaged files by reading them whole; that is worth it only for a file
// that starts like a PDF (within its first KiB, as qpdf looks for it), not for a large
// file of zeros or of something else.
bool StartsLikePdf(const ByteSource& source) {
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
    if (!StartsLikePdf(source)) return -1;
  }
  return CountPagesWithQpdf(path);
}

int CountPages(const std::string& path) {
  return CountPagesWith(PageEngine::Auto, path);
}

}  // namespace folidex
