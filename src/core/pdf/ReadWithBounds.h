#pragma once

#include <atomic>
#include <new>

#include "core/pdf/ByteSource.h"
#include "core/pdf/PageCount.h"
#include "core/pdf/PdfFile.h"
#include "core/pdf/PdfReadFailure.h"
#include "core/pdf/ReadBudget.h"

namespace folidex::pdf {

// Runs `read`, which counts the pages of a file opened on `source`, within a budget of its
// own, and turns what it throws into the failure it returns. Never throws.
template <typename Read>
PageCount ReadWithBounds(const ByteSource& source, const std::atomic<bool>* cancelled, Read read) {
  try {
    ReadBudget budget(source.Size(), cancelled);
    PdfFile file(source, budget);
    return read(file);
  } catch (CountFailure& failure) {
    return std::move(failure);
  } catch (const std::bad_alloc&) {
    return TooLarge(kOutOfMemory);
  } catch (...) {
    return Damaged();
  }
}

}  // namespace folidex::pdf
