#include "core/pdf/QpdfPageCounter.h"

#include <climits>
#include <cstdio>
#include <qpdf/FileInputSource.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <set>

#include "core/pdf/DeadlineInputSource.h"
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
    // A second for every 16 MiB on top of three: enough for qpdf to repair any sound-sized
    // file, and a bound on the ones whose repair would go on and on.
    const auto allowed = std::chrono::seconds(3 + file.Size() / (16 << 20));
    pdf.processInputSource(
        std::make_shared<DeadlineInputSource>(std::make_shared<FileInputSource>(path.c_str(), stream, true), allowed));
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
