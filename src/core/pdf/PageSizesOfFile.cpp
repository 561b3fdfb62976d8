#include "core/pdf/PageSizes.h"
#include "core/pdf/RegularFile.h"

namespace folidex {

std::optional<PaperSizeTally> ReadPaperSizes(const std::string& path, const std::atomic<bool>& cancelled) {
  const RegularFile file(path);
  if (!file.IsOpen()) return std::nullopt;
  return ReadPaperSizes(FileByteSource(file.Descriptor(), file.Size()), &cancelled);
}

}  // namespace folidex
