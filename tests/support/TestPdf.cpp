#include "support/TestPdf.h"

#include <cstdio>
#include <vector>

#include "support/TempTree.h"

namespace folidex::test {

int PdfBuilder::Add(std::string body) {
  const int number = Reserve();
  Set(number, std::move(body));
  return number;
}

std::string PdfBuilder::Build(int rootNumber, const std::string& trailerExtra) const {
  std::string out = "%PDF-1.7\n%\xE2\xE3\xCF\xD3\n";
  std::vector<std::size_t> offsets(nextNumber_, 0);
  for (const auto& [number, body] : bodies_) {
    offsets[number] = out.size();
    out += std::to_string(number) + " 0 obj\n" + body + "\nendobj\n";
  }
  const std::size_t xref = out.size();
  out += "xref\n0 " + std::to_string(nextNumber_) + "\n0000000000 65535 f\r\n";
  for (int number = 1; number < nextNumber_; ++number) {
    char entry[24];
    std::snprintf(entry, sizeof entry, "%010zu 00000 %c\r\n", offsets[number], bodies_.count(number) ? 'n' : 'f');
    out += entry;
  }
  out += "trailer\n<< /Size " + std::to_string(nextNumber_) + " /Root " + std::to_string(rootNumber) + " 0 R " +
         trailerExtra + ">>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
  return out;
}

namespace {

// Adds the subtree holding `pages` pages under `parent` and returns its object number.
int AddTree(PdfBuilder& pdf, int parent, int pages, int fanout, int content) {
  const int self = pdf.Reserve();
  std::string kids;
  if (fanout <= 0 || pages <= fanout) {
    for (int i = 0; i < pages; ++i) {
      kids += std::to_string(pdf.Add("<< /Type /Page /Parent " + std::to_string(self) +
                                     " 0 R /MediaBox [0 0 612 792] /Contents " + std::to_string(content) + " 0 R >>")) +
              " 0 R ";
    }
  } else {
    int perKid = fanout;
    while (perKid * fanout < pages) perKid *= fanout;
    for (int done = 0; done < pages; done += perKid) {
      kids += std::to_string(AddTree(pdf, self, std::min(perKid, pages - done), fanout, content)) + " 0 R ";
    }
  }
  const std::string parentEntry = parent > 0 ? " /Parent " + std::to_string(parent) + " 0 R" : "";
  pdf.Set(self, "<< /Type /Pages" + parentEntry + " /Kids [" + kids + "] /Count " + std::to_string(pages) + " >>");
  return self;
}

}  // namespace

std::string MakePdf(int pages, int fanout) {
  PdfBuilder pdf;
  const int catalog = pdf.Reserve();
  const std::string drawing = "0 0 m 100 100 l S";
  const int content =
      pdf.Add("<< /Length " + std::to_string(drawing.size()) + " >>\nstream\n" + drawing + "\nendstream");
  const int root = AddTree(pdf, 0, pages, fanout, content);
  pdf.Set(catalog, "<< /Type /Catalog /Pages " + std::to_string(root) + " 0 R >>");
  return pdf.Build(catalog);
}

std::string MakePdfOfPages(const std::vector<std::string>& pages, const std::string& rootEntries) {
  PdfBuilder pdf;
  const int catalog = pdf.Add("<< /Type /Catalog /Pages 2 0 R >>");
  const int root = pdf.Reserve();
  std::string kids;
  for (const std::string& page : pages) {
    kids += std::to_string(pdf.Add("<< /Type /Page /Parent 2 0 R " + page + " >>")) + " 0 R ";
  }
  pdf.Set(root,
          "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages.size()) + " " + rootEntries + " >>");
  return pdf.Build(catalog);
}

std::string MakePdfWithBoxes(const std::vector<std::string>& mediaBoxes) {
  std::vector<std::string> pages;
  for (const std::string& box : mediaBoxes) pages.push_back("/MediaBox [" + box + "]");
  return MakePdfOfPages(pages);
}

bool QpdfRewrite(const std::string& input, const std::string& output, const std::string& options) {
  // Exit status 3 means success with warnings.
  const std::string command =
      "qpdf " + options + " '" + input + "' '" + output + "' >/dev/null 2>&1; s=$?; [ $s -eq 0 ] || [ $s -eq 3 ]";
  return RunCommand(command);
}

}  // namespace folidex::test
