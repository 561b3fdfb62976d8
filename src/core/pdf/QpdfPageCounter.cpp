#include "core/pdf/QpdfPageCounter.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <climits>
#include <cstdio>
#include <set>

#include "core/pdf/RegularFile.h"

namespace folidex {
namespace {

constexpr int kMaxTreeDepth = 256;

// Counts the page leaves below a /Pages node. A kid with a /Kids entry is a further node;
// every other kid is a page, also one whose object is damaged or missing, as qpdf itself
// counts them. Nodes already on the path are loops and skipped.
long long CountLeaves(QPDFObjectHandle node, std::set<QPDFObjGen>& path, int depth) {
  if (depth > kMaxTreeDepth) return 0;
  QPDFObjectHandle kids = node.getKey("/Kids");
  if (!kids.isArray()) return 0;
  long long count = 0;
  const int n = kids.getArrayNItems();
  for (int i = 0; i < n && count <= INT_MAX; ++i) {
    QPDFObjectHandle kid = kids.getArrayItem(i);
    if (!kid.isDictionary() || !kid.hasKey("/Kids")) {
      ++count;
      continue;
    }
    const QPDFObjGen id = kid.getObjGen();
    const bool indirect = kid.isIndirect();
    if (indirect && !path.insert(id).second) continue;
    count += CountLeaves(kid, path, depth + 1);
    if (indirect) path.erase(id);
  }
  return count;
}

}  // namespace

int CountPagesWithQpdf(const std::string& path) {
  try {
    RegularFile file(path);
    if (!file.IsOpen()) return -1;
    FILE* stream = fdopen(file.Descriptor(), "rb");
    if (stream == nullptr) return -1;
    file.Release();

    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.processFile(path.c_str(), stream, true);
    QPDFObjectHandle pages = pdf.getRoot().getKey("/Pages");
    if (!pages.isDictionary()) return -1;
    std::set<QPDFObjGen> treePath;
    if (pages.isIndirect()) treePath.insert(pages.getObjGen());
    const long long count = CountLeaves(pages, treePath, 0);
    return count > INT_MAX ? -1 : static_cast<int>(count);
  } catch (...) {
    return -1;
  }
}

}  // namespace folidex
