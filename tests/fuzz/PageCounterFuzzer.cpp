// libFuzzer target: the fast page counter on any bytes must end with a count or a
// failure, within its bounds, without a crash or undefined behaviour.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/pdf/ByteSource.h"
#include "core/pdf/FastPageCounter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const folidex::MemoryByteSource source(std::string_view(reinterpret_cast<const char*>(data), size));
  const folidex::FastCount count = folidex::CountPagesFast(source);
  // A count comes without a failure, a failure without a count.
  if (count.failure.has_value() != (count.pages < 0)) std::abort();
  return 0;
}
