#include "support/PageCounts.h"

namespace folidex {

void PrintTo(const PageCount& count, std::ostream* out) {
  if (count.Counted()) {
    *out << count.Pages() << " pages";
  } else {
    *out << "failure of kind " << static_cast<int>(count.Failure()->kind) << " (" << count.Failure()->detail << ")";
  }
}

namespace test {

std::optional<CountFailure::Kind> FailureKind(const PageCount& count) {
  if (count.Counted()) return std::nullopt;
  return count.Failure()->kind;
}

}  // namespace test
}  // namespace folidex
