#pragma once

#include <map>
#include <string>
#include <vector>

namespace folidex::test {

// Writes small PDF files object by object, with a classic cross-reference table whose
// offsets are right.
class PdfBuilder {
 public:
  // Reserves the next object number.
  int Reserve() { return nextNumber_++; }
  // Adds an object with the next number and returns it.
  int Add(std::string body);
  void Set(int number, std::string body) { bodies_[number] = std::move(body); }
  // The whole file; `trailerExtra` is added to the trailer dictionary after /Size and /Root.
  std::string Build(int rootNumber, const std::string& trailerExtra = "") const;

 private:
  int nextNumber_ = 1;
  std::map<int, std::string> bodies_;
};

// A PDF of `pages` empty pages. With `fanout` above 0 the page tree is balanced with at
// most that many kids per node, so several levels deep; otherwise all pages hang from the root.
std::string MakePdf(int pages, int fanout = 0);

// A PDF with one page for each list of entries given (as "/MediaBox [0 0 612 792]"), all under
// a root that holds `rootEntries` as well.
std::string MakePdfOfPages(const std::vector<std::string>& pages, const std::string& rootEntries = "");

// A PDF with one page for each media box given (as "0 0 595.28 841.89"), all under the root.
std::string MakePdfWithBoxes(const std::vector<std::string>& mediaBoxes);

// The qpdf command line tool rewrites `input` into `output` with the given options
// (for example "--object-streams=generate" or "--linearize"); true when it succeeded.
bool QpdfRewrite(const std::string& input, const std::string& output, const std::string& options);

}  // namespace folidex::test
