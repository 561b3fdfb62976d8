// libFuzzer target: the fast page counter, the recovery, and the reading of the pages'
// paper sizes, on any bytes must end with a result or a failure, within their bounds,
// without a crash or undefined behaviour.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/pdf/ByteSource.h"
#include "core/pdf/FastPageCounter.h"
#include "core/pdf/PageSizes.h"
#include "core/pdf/RecoveredPageCount.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const folidex::MemoryByteSource source(std::string_view(reinterpret_cast<const char*>(data), size));
  for (const folidex::PageCount& count : {folidex::CountPagesFast(source), folidex::CountPagesRecovered(source)}) {
    // A count is never negative; a failure never says it was cancelled, as nothing cancels it.
    if (count.Counted() ? count.Pages() < 0 : count.Failure()->kind == folidex::CountFailure::Kind::Cancelled) {
      std::abort();
    }
  }
  folidex::ReadPaperSizes(source);
  return 0;
}
