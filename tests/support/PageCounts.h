#pragma once

#include <optional>
#include <ostream>

#include "core/pdf/PageCount.h"

namespace folidex {

// How test failures print a page count: "12 pages", or the failure's kind and detail.
void PrintTo(const PageCount& count, std::ostream* out);

namespace test {

// The kind of failure of `count`; nothing for a count.
std::optional<CountFailure::Kind> FailureKind(const PageCount& count);

}  // namespace test
}  // namespace folidex
