#include "support/HostilePdf.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <random>
#include <vector>

#include "support/StreamPdf.h"
#include "support/TestPdf.h"

namespace folidex::test {
namespace {

constexpr const char* kCatalog = "<< /Type /Catalog /Pages 2 0 R >>";
constexpr const char* kPage = "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] >>";

std::string Ref(int number) { return std::to_string(number) + " 0 R"; }

}  // namespace

std::string HugePredictorRows() {
  StreamPdf pdf = PackedTree(1, {});
  pdf.xrefStreamFlate = Deflated(std::string(64, '\x02'));
  pdf.xrefStreamExtra = "/DecodeParms << /Predictor 12 /Columns 16777216 /Colors 32 /BitsPerComponent 16 >>";
  return pdf.Build(1);
}

std::string FlatTreeWithoutCount(int pages) {
  std::string out = "%PDF-1.7\n%\xE2\xE3\xCF\xD3\n";
  std::vector<std::size_t> offsets{0};
  const auto add = [&](int number, const std::string& body) {
    offsets.push_back(out.size());
    out += std::to_string(number) + " 0 obj\n" + body + "\nendobj\n";
  };
  add(1, kCatalog);
  std::string kids;
  kids.reserve(static_cast<std::size_t>(pages) * 12);
  for (int i = 0; i < pages; ++i) kids += Ref(3 + i) + " ";
  add(2, "<< /Type /Pages /Kids [" + kids + "] >>");
  for (int i = 0; i < pages; ++i) add(3 + i, kPage);
  const std::size_t xref = out.size();
  out += "xref\n0 " + std::to_string(offsets.size()) + "\n0000000000 65535 f\r\n";
  char entry[24];
  for (std::size_t i = 1; i < offsets.size(); ++i) {
    std::snprintf(entry, sizeof entry, "%010zu 00000 n\r\n", offsets[i]);
    out += entry;
  }
  return out + "trailer\n<< /Size " + std::to_string(offsets.size()) + " /Root 1 0 R >>\nstartxref\n" +
         std::to_string(xref) + "\n%%EOF\n";
}

std::string WithoutCrossReference(const std::string& pdf) { return pdf.substr(0, pdf.rfind("\nxref") + 1); }

std::string TinyObjects(int count) {
  std::string out = "%PDF-1.7\n";
  for (int i = 1; i <= count; ++i) out += std::to_string(i) + " 0 obj null endobj\n";
  return out;
}

std::string HeadersOfUnendedStrings(int count) {
  std::string out = "%PDF-1.7\n";
  for (int i = 1; i <= count; ++i) out += std::to_string(i) + " 0 obj (\n";
  return out;
}

std::string WithStartxref(const std::string& pdf, const std::string& offset) {
  const std::size_t keyword = pdf.rfind("startxref");
  return pdf.substr(0, keyword) + "startxref\n" + offset + "\n%%EOF\n";
}

std::string PageChain(int depth) {
  PdfBuilder pdf;
  const int catalog = pdf.Reserve();
  std::vector<int> nodes;
  for (int i = 0; i < depth; ++i) nodes.push_back(pdf.Reserve());
  const int page = pdf.Add("<< /Type /Page /Parent " + Ref(nodes.back()) + " >>");
  for (int i = 0; i < depth; ++i) {
    const int below = i + 1 < depth ? nodes[i + 1] : page;
    const std::string parent = i > 0 ? " /Parent " + Ref(nodes[i - 1]) : "";
    pdf.Set(nodes[i], "<< /Type /Pages" + parent + " /Kids [" + Ref(below) + "] >>");
  }
  pdf.Set(catalog, "<< /Type /Catalog /Pages " + Ref(nodes.front()) + " >>");
  return pdf.Build(catalog);
}

std::string ObjectStreamWithHugeFirst() {
  StreamPdf pdf = PackedTree(1, {2, 3});
  pdf.objectStreamExtra = "/First 9223372036854775807";
  return pdf.Build(1);
}

std::string PaddedObjectStream(std::size_t padding) {
  StreamPdf pdf = PackedTree(1, {2, 3});
  pdf.objectStreamFlate = DeflatedZeros(padding, pdf.PackedData());
  return pdf.Build(1);
}

std::string XrefStreamBomb() {
  StreamPdf pdf = PackedTree(1, {2, 3});
  pdf.xrefStreamFlate = DeflatedZeros(std::size_t{80} << 20);
  return pdf.Build(1);
}

std::string ExponentialPageTree(int levels) {
  PdfBuilder pdf;
  const int catalog = pdf.Reserve();
  const int first = pdf.Reserve();
  int node = first;
  for (int level = 0; level < levels; ++level) {
    const int next = pdf.Reserve();
    pdf.Set(node, "<< /Type /Pages /Kids [" + Ref(next) + " " + Ref(next) + "] /Count 9999999999 >>");
    node = next;
  }
  pdf.Set(node, "<< /Type /Page >>");
  pdf.Set(catalog, "<< /Type /Catalog /Pages " + Ref(first) + " >>");
  return pdf.Build(catalog);
}

std::string Junk(std::size_t size) {
  std::mt19937_64 noise(size);
  std::string out(size, '\0');
  for (char& c : out) c = static_cast<char>(noise());
  return out;
}

bool WriteSparse(const std::string& path, std::int64_t size, const std::string& head) {
  const int fd = open(path.c_str(), O_CREAT | O_TRUNC | O_WRONLY | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  const bool written = write(fd, head.data(), head.size()) == static_cast<ssize_t>(head.size()) &&
                       ftruncate(fd, static_cast<off_t>(size)) == 0;
  return close(fd) == 0 && written;
}

}  // namespace folidex::test
