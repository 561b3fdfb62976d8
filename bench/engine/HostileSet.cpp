#include "HostileSet.h"

#include "support/HostilePdf.h"
#include "support/TestPdf.h"

namespace folidex::bench {

using namespace folidex::test;

std::vector<HostileCase> HostileSet() {
  const auto three = [] { return MakePdf(3); };
  std::vector<HostileCase> set = {
      {"huge-predictor-rows.pdf", HugePredictorRows},
      {"100000-pages-no-count.pdf", [] { return FlatTreeWithoutCount(100000); }},
      {"200000-pages-no-count.pdf", [] { return FlatTreeWithoutCount(200000); }},
      {"1000000-pages-no-count.pdf", [] { return FlatTreeWithoutCount(1000000); }},
      {"startxref-past-end.pdf", [] { return WithStartxref(MakePdf(250000), "999999999999"); }},
      {"startxref-at-garbage.pdf", [] { return WithStartxref(MakePdf(250000), "1234567"); }},
      {"object-stream-first-overflow.pdf", ObjectStreamWithHugeFirst},
      {"page-chain-300.pdf", [] { return PageChain(300); }},
      {"object-stream-200-mib.pdf", [] { return PaddedObjectStream(std::size_t{200} << 20); }},
      {"exponential-tree.pdf", [] { return ExponentialPageTree(40); }},
      {"xref-stream-bomb.pdf", XrefStreamBomb},
      {"junk-1k.pdf", [] { return Junk(1024); }},
      {"junk-1m.pdf", [] { return Junk(1 << 20); }},
      {"junk-16m.pdf", [] { return Junk(16 << 20); }},
      {"junk-16m-header.pdf", [] { return "%PDF-1.7\n" + Junk(16 << 20); }},
      {"three-pages-cut.pdf", [] { return MakePdf(3).substr(0, 400); }},
      // For the recovery, which scans a damaged file of up to 64 MiB whole: 61 MiB of
      // objects, more objects than it holds, and headers whose objects never end.
      {"600000-pages-no-xref.pdf", [] { return WithoutCrossReference(FlatTreeWithoutCount(600000)); }},
      {"1100000-tiny-objects.pdf", [] { return TinyObjects(1100000); }},
      {"1500000-unended-objects.pdf", [] { return HeadersOfUnendedStrings(1500000); }},
  };
  for (const std::int64_t size : {std::int64_t{1} << 10, std::int64_t{1} << 20, std::int64_t{32} << 20,
                                  std::int64_t{33} << 20, std::int64_t{256} << 20, std::int64_t{2} << 30}) {
    const std::string tag = std::to_string(size >> 10) + "k";
    set.push_back({"sparse-" + tag + ".pdf", [] { return std::string(); }, size});
    set.push_back({"sparse-" + tag + "-header.pdf", [] { return std::string("%PDF-1.7\n"); }, size});
    set.push_back({"sparse-" + tag + "-three-pages.pdf", three, size});
  }
  return set;
}

std::string WriteHostileCase(const std::string& folder, const HostileCase& file) {
  const std::string path = folder + "/" + file.name;
  const std::string bytes = file.make();
  if (file.sparseSize > 0) return WriteSparse(path, file.sparseSize, bytes) ? path : std::string();
  return WriteSparse(path, static_cast<std::int64_t>(bytes.size()), bytes) ? path : std::string();
}

}  // namespace folidex::bench
