#include "core/pdf/PageSizes.h"
#include "core/pdf/RegularFile.h"

namespace folidex {

std::optional<PaperSizeTally> ReadPaperSizes(const std::string& path, const PageCount& pages,
                                             const std::atomic<bool>& cancelled) {
  if (!pages.Counted()) return std::nullopt;
  const RegularFile file(path);
  if (!file.IsOpen()) return std::nullopt;
  std::optional<PaperSizeTally> sizes = ReadPaperSizes(FileByteSource(file.Descriptor(), file.Size()), &cancelled);
  if (!sizes) return std::nullopt;
  std::int64_t sized = 0;
  for (const auto& [size, count] : *sizes) sized += count;
  if (sized != pages.Pages()) return std::nullopt;
  return sizes;
}

}  // namespace folidex
