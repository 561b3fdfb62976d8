#pragma once

#include "core/results/ResultTable.h"
#include "core/search/WalkEvent.h"

namespace folidex {

// Writes what a search reports into the result table: one row per file found, the
// "Message" and "Files" status texts and the "Total Pages : " caption. A folder that cannot
// be read changes nothing.
void ApplyWalkEvent(ResultTable& table, const WalkEvent& event);

}  // namespace folidex
