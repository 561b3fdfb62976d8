#include "core/pdf/QpdfPageCounter.h"

#include <climits>
#include <cstdio>
#include <qpdf/FileInputSource.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <set>

#include "core/pdf/BoundedInputSource.h"
#include "core/pdf/RegularFile.h"

namespace folidex {
namespace {

constexpr int kMaxTreeDepth = 256;
// qpdf reads a sound file once and a damaged one about twice while it rebuilds it; reading
// it more often than this means going over it in circles.
constexpr std::int64_t kReadsOfTheFile = 4;
constexpr std::int64_t kReadAllowanceBase = std::int64_t{1} << 20;
constexpr std::int64_t kBytesPerVisit = 8;

// Raised when the tree is deeper, or its walk longer, than its bounds allow.
struct TreeOverLimit {};

// Counts the page leaves below /Pages nodes. A kid with a /Kids entry is a further node;
// every other kid is a page, also one whose object is damaged or missing, as qpdf itself
// counts them. Nodes already on the path are loops and skipped.
class LeafCounter {
 public:
  explicit LeafCounter(long long visits) : visitsLeft_(visits) {}

  long long CountBelow(QPDFObjectHandle node, int depth) {
    if (depth > kMaxTreeDepth) throw TreeOverLimit{};
    QPDFObjectHandle kids = node.getKey("/Kids");
    if (!kids.isArray()) return 0;
    long long count = 0;
    const int n = kids.getArrayNItems();
    for (int i = 0; i < n && count <= INT_MAX; ++i) {
      if (--visitsLeft_ < 0) throw TreeOverLimit{};
      QPDFObjectHandle kid = kids.getArrayItem(i);
      if (!kid.isDictionary() || !kid.hasKey("/Kids")) {
        ++count;
        continue;
      }
      const QPDFObjGen id = kid.getObjGen();
      const bool indirect = kid.isIndirect();
      if (indirect && !path_.insert(id).second) continue;
      count += CountBelow(kid, depth + 1);
      if (indirect) path_.erase(id);
    }
    return count;
  }

  void Enter(const QPDFObjectHandle& node) {
    if (node.isIndirect()) path_.insert(node.getObjGen());
  }

 private:
  long long visitsLeft_;
  std::set<QPDFObjGen> path_;
};

}  // namespace

int CountPagesWithQpdf(const std::string& path, bool repair, const std::atomic<bool>* cancelled,
                       std::int64_t readAllowance) {
  try {
    RegularFile file(path);
    if (!file.IsOpen()) return -1;
    FILE* stream = fdopen(file.Descriptor(), "rb");
    if (stream == nullptr) return -1;
    file.Release();

    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.setAttemptRecovery(repair);
    const std::int64_t allowance =
        readAllowance >= 0 ? readAllowance : kReadsOfTheFile * file.Size() + kReadAllowanceBase;
    const auto source = std::make_shared<BoundedInputSource>(
        std::make_shared<FileInputSource>(path.c_str(), stream, true), allowance, cancelled);
    pdf.processInputSource(source);
    QPDFObjectHandle pages = pdf.getRoot().getKey("/Pages");
    if (!pages.isDictionary()) return -1;
    // A sound tree visits each of its objects once, and an object takes at least a few
    // bytes of the file (compressed in an object stream); more visits than that allows
    // mean nodes shared over and over, and qpdf keeps the objects it read in memory.
    LeafCounter counter(allowance / kBytesPerVisit);
    counter.Enter(pages);
    const long long count = counter.CountBelow(pages, 0);
    return count > INT_MAX || source->Stopped() ? -1 : static_cast<int>(count);
  } catch (...) {
    return -1;
  }
}

}  // namespace folidex
