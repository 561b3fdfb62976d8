// libFuzzer target: the fast page counter, and the reading of the pages' paper sizes, on
// any bytes must end with a result or a failure, within their bounds, without a crash or
// undefined behaviour.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/pdf/ByteSource.h"
#include "core/pdf/FastPageCounter.h"
#include "core/pdf/PageSizes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const folidex::MemoryByteSource source(std::string_view(reinterpret_cast<const char*>(data), size));
  const folidex::FastCount count = folidex::CountPagesFast(source);
  // A count comes without a failure, a failure without a count.
  if (count.failure.has_value() != (count.pages < 0)) std::abort();
  folidex::ReadPaperSizes(source);
  return 0;
}
