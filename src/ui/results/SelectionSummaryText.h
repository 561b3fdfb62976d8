#pragma once

#include <QString>

#include "core/results/SelectionSummary.h"

namespace folidex {

// The selection as the status bar tells it: "3 files selected: 1,234 pages", followed by
// ", 1 Error" when files among them could not be counted (they add no pages).
QString SelectionSummaryText(const SelectionSummary& summary);

}  // namespace folidex
