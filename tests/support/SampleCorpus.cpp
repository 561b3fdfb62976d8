#include "support/SampleCorpus.h"

#include "support/TestPdf.h"

namespace folidex::test {

std::vector<std::string> WriteSampleCorpus(const TempTree& tree) {
  static const char* const kVariants[][2] = {
      {"objstm", "--object-streams=generate"},
      {"linear", "--linearize"},
      {"encrypted", "--encrypt '' owner 256 --"},
      {"qdf", "--qdf"},
  };
  std::vector<std::string> paths;
  for (const int pages : {1, 2, 7, 25, 100, 400}) {
    for (const int fanout : {0, 4}) {
      const std::string stem = "p" + std::to_string(pages) + "f" + std::to_string(fanout);
      const std::string plain = tree.Write(stem + ".pdf", MakePdf(pages, fanout));
      paths.push_back(plain);
      for (const auto& [name, options] : kVariants) {
        const std::string variant = tree.Path(stem + "-" + name + ".pdf");
        if (QpdfRewrite(plain, variant, options)) paths.push_back(variant);
      }
    }
  }
  return paths;
}

}  // namespace folidex::test
