#pragma once

#include <cstdint>
#include <string>

#include "core/common/LocalTime.h"
#include "core/results/ResultTable.h"
#include "core/search/FoundFile.h"

namespace folidex::test {

// A moment of local time.
LocalTime At(int year, unsigned month, unsigned day, int hour = 0, int minute = 0, int second = 0);

// A file as a search reports it: `folder`/`name`, `bytes` long, modified at `modified`, with
// `pages` pages or, when negative, a count that failed.
FoundFile Found(const std::string& name, std::uint64_t bytes = 1, int pages = 1, LocalTime modified = {},
                const std::string& folder = "/docs");

// Three rows to export: one counted, one failed whose name holds quotes, and one in another
// folder whose name holds a tab and a line break.
ResultTable SampleResults();

}  // namespace folidex::test
