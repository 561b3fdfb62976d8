// Builds the benchmark tree: FILES PDF files (default 20,000) in 20 x 10 folders, made
// from templates of 1 to 2,000 pages in five forms: classic cross-reference table,
// cross-reference and object streams, linearized, encrypted (empty user password) and
// with an incremental update. Prints the total of pages the tree holds.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "support/TempTree.h"
#include "support/TestPdf.h"

namespace {

namespace fs = std::filesystem;
using folidex::test::MakePdf;
using folidex::test::QpdfRewrite;
using folidex::test::TempTree;

struct Template {
  std::string bytes;
  int pages;
};

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Appends an update that rewrites the catalog (object 1) with a /Prev link to the first section.
std::string WithIncrementalUpdate(const std::string& pdf) {
  std::smatch found;
  const std::regex startxref("startxref\\s+(\\d+)"), size("/Size (\\d+)");
  std::string tail = pdf.substr(pdf.size() - 200);
  if (!std::regex_search(tail, found, startxref)) return pdf;
  const std::string previous = found[1];
  if (!std::regex_search(tail, found, size)) return pdf;
  const std::string objects = found[1];
  std::string out = pdf;
  const std::size_t catalog = out.size();
  out += "1 0 obj\n<< /Type /Catalog /Pages 3 0 R /PageMode /UseOutlines >>\nendobj\n";
  const std::size_t xref = out.size();
  char entry[32];
  std::snprintf(entry, sizeof entry, "%010zu 00000 n\r\n", catalog);
  out += "xref\n1 1\n" + std::string(entry) + "trailer\n<< /Size " + objects + " /Root 1 0 R /Prev " + previous +
         " >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
  return out;
}

std::vector<Template> MakeTemplates() {
  const int pageCounts[] = {1,  1,  2,  3,  4,  6,   8,   10,  12,  16,  20,   25,
                            32, 40, 50, 64, 80, 100, 150, 200, 300, 500, 1000, 2000};
  const char* rewrites[] = {"--object-streams=generate", "--linearize", "--encrypt '' owner 256 --"};
  TempTree work;
  std::vector<Template> templates;
  for (const int pages : pageCounts) {
    const std::string plain = MakePdf(pages, pages % 3 == 0 ? 8 : 0);
    templates.push_back({plain, pages});
    templates.push_back({WithIncrementalUpdate(plain), pages});
    const std::string input = work.Write("in.pdf", plain);
    for (const char* options : rewrites) {
      if (!QpdfRewrite(input, work.Path("out.pdf"), options)) {
        std::fprintf(stderr, "qpdf %s failed\n", options);
        std::exit(1);
      }
      templates.push_back({ReadFile(work.Path("out.pdf")), pages});
    }
  }
  return templates;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: make_bench_tree FOLDER [FILES]\n");
    return 2;
  }
  const fs::path root = argv[1];
  const long files = argc == 3 ? std::atol(argv[2]) : 20000;
  const std::vector<Template> templates = MakeTemplates();
  long long totalPages = 0;
  for (long i = 0; i < files; ++i) {
    const Template& pick = templates[(i * 7919) % templates.size()];
    char relative[64];
    std::snprintf(relative, sizeof relative, "d%02ld/s%02ld/file%05ld.pdf", i % 20, (i / 20) % 10, i);
    const fs::path path = root / relative;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).write(pick.bytes.data(), static_cast<std::streamsize>(pick.bytes.size()));
    totalPages += pick.pages;
  }
  std::printf("%ld files, %lld pages\n", files, totalPages);
  return 0;
}
