#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace folidex::test {

// Files made to exhaust a page counter's memory or time, or to make its answer depend on
// the machine it runs on: each stands for a way that attackers or damaged files try.

// A few hundred bytes whose cross-reference stream asks for PNG predictor rows of 1 GiB.
std::string HugePredictorRows();
// A flat page tree of `pages` pages whose root has no /Count, written straight out (a
// million pages take about 60 MB).
std::string FlatTreeWithoutCount(int pages);
// `pdf` with the offset after its last "startxref" replaced by `offset`.
std::string WithStartxref(const std::string& pdf, const std::string& offset);
// A chain of `depth` /Pages nodes without /Count, each the only kid of the one above,
// over one page.
std::string PageChain(int depth);
// An object stream whose /First is 2^63 - 1, so that an offset added to it overflows.
std::string ObjectStreamWithHugeFirst();
// One page whose page-tree objects start an object stream that inflates to `padding`
// bytes more (zeros, which compress about a thousandfold).
std::string PaddedObjectStream(std::size_t padding);
// One page whose cross-reference stream inflates to 80 MiB of zeros.
std::string XrefStreamBomb();
// Each of `levels` page-tree levels lists the next level twice: 2^levels paths to one page.
std::string ExponentialPageTree(int levels);
// `size` bytes of deterministic noise, with no PDF header.
std::string Junk(std::size_t size);
// `pdf` without its cross-reference data and trailer, so that only the recovery reads it.
std::string WithoutCrossReference(const std::string& pdf);
// A header and `count` objects of a few bytes each, with no cross-reference data.
std::string TinyObjects(int count);
// A header and `count` object headers, each opening a string that never ends.
std::string HeadersOfUnendedStrings(int count);

// Writes a file of `size` bytes that starts with `head` and is zeros after it, without
// writing them (a sparse file where the file system has them); false on failure.
bool WriteSparse(const std::string& path, std::int64_t size, const std::string& head);

}  // namespace folidex::test
