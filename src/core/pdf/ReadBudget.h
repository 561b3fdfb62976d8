#pragma once

#include <cstdint>

#include "core/pdf/PdfReadFailure.h"

namespace folidex::pdf {

// The work the fast reader may spend on one file.
class ReadBudget {
 public:
  // No sound file needs more decompressed data than this to count its pages.
  static constexpr std::int64_t kMaxInflated = std::int64_t{64} << 20;

  // Reading or parsing more than a few times the file means going over it in circles;
  // qpdf, which reads it once from the start, does better then.
  explicit ReadBudget(std::int64_t fileSize) : readLeft_(4 * fileSize + (std::int64_t{1} << 20)) {}

  void SpendRead(std::int64_t bytes) {
    readLeft_ -= bytes;
    if (readLeft_ < 0) throw PdfReadFailure::NotUnderstood;
  }
  std::int64_t InflatedLeft() const { return inflatedLeft_; }
  void SpendInflated(std::int64_t bytes) {
    inflatedLeft_ -= bytes;
    if (inflatedLeft_ < 0) throw PdfReadFailure::OverLimit;
  }

 private:
  std::int64_t readLeft_;
  std::int64_t inflatedLeft_ = kMaxInflated;
};

}  // namespace folidex::pdf
