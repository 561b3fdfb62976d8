#pragma once

#include <compare>
#include <cstdint>
#include <map>
#include <string>

namespace folidex {

// The size of a printed page: a named paper size, in either orientation, or for any other
// page its width and height as shown, in whole millimetres. Unknown stands, in a sum over
// files, for the pages of the files whose sizes could not be read.
struct PaperSize {
  // In the order sizes are listed; Custom, with its millimetres, comes after the named
  // sizes, and Unknown last.
  enum class Name { A0, A1, A2, A3, A4, A5, A6, B4, B5, Letter, Legal, Tabloid, Executive, Custom, Unknown };

  Name name = Name::Custom;
  long widthMm = 0;  // Custom only
  long heightMm = 0;

  friend auto operator<=>(const PaperSize&, const PaperSize&) = default;
};

// The paper of a page shown `width` by `height` points (1/72 inch): a named size when both
// sides are within 2 mm of its sides, in either orientation, otherwise the sides rounded to
// whole millimetres.
PaperSize PaperSizeOf(double width, double height);

// "A4", "Letter", "Tabloid/Ledger", "Unknown", or "210×99 mm" for a custom size.
std::string PaperSizeText(const PaperSize& size);

// How many pages of each paper size.
using PaperSizeTally = std::map<PaperSize, std::int64_t>;

// Adds the pages of `more` to `tally`.
void AddPaperSizes(PaperSizeTally& tally, const PaperSizeTally& more);

}  // namespace folidex
