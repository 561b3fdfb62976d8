#pragma once

#include <algorithm>
#include <atomic>
#include <cstdint>

#include "core/pdf/PdfReadFailure.h"

namespace folidex::pdf {

// The work the fast reader may spend on one file, counted in bytes, never in time, so that
// a file gets the same answer on any machine under any load. Parsing and scanning cost the
// bytes looked at, each object looked up a fixed amount more; the allowance is a few times
// what the file holds, on disk and decompressed, so the genuine work of any size of file
// fits and going over a file in circles does not. Each charge also checks whether the
// count was cancelled.
class ReadBudget {
 public:
  // Decompressed data the file may yield: a fixed amount, and more for a larger file.
  static constexpr std::int64_t kMaxInflatedBase = std::int64_t{64} << 20;
  static constexpr std::int64_t kInflatedPerFileByte = 16;
  static constexpr std::int64_t kWorkPerByte = 4;
  static constexpr std::int64_t kWorkBase = std::int64_t{1} << 20;
  static constexpr std::int64_t kWorkPerObject = 64;

  explicit ReadBudget(std::int64_t fileSize, const std::atomic<bool>* cancelled = nullptr)
      : workLeft_(kWorkPerByte * Capped(fileSize) + kWorkBase),
        inflatedLeft_(kMaxInflatedBase + kInflatedPerFileByte * Capped(fileSize)),
        cancelled_(cancelled) {}

  void SpendWork(std::int64_t bytes) {
    if (cancelled_ != nullptr && cancelled_->load(std::memory_order_relaxed)) throw Cancelled();
    workLeft_ -= bytes;
    if (workLeft_ < 0) throw TooSlow(kMoreWorkThanItsSize);
  }
  void SpendObject() { SpendWork(kWorkPerObject); }
  // True once either allowance was gone over: every later read of the file is over it too.
  bool Exhausted() const { return workLeft_ < 0 || inflatedLeft_ < 0; }

  // Decompressed data is also data to parse: it adds to the work allowed.
  void SpendInflated(std::int64_t bytes) {
    inflatedLeft_ -= bytes;
    if (inflatedLeft_ < 0) throw TooLarge("more decompressed data than a file of its size yields");
    workLeft_ += kWorkPerByte * bytes;
  }

 private:
  // Sizes beyond any real file are taken as 2^50 bytes, so that no product overflows.
  static std::int64_t Capped(std::int64_t size) { return std::clamp<std::int64_t>(size, 0, std::int64_t{1} << 50); }

  std::int64_t workLeft_;
  std::int64_t inflatedLeft_;
  const std::atomic<bool>* cancelled_;
};

}  // namespace folidex::pdf
