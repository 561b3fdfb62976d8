#include "core/pdf/QpdfPageCounter.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <qpdf/FileInputSource.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFSystemError.hh>
#include <set>

#include "core/pdf/BoundedInputSource.h"
#include "core/pdf/PdfReadFailure.h"
#include "core/pdf/RegularFile.h"

namespace folidex {
namespace {

// qpdf reads a sound file once and a damaged one about twice while it rebuilds it; reading
// it more often than this means going over it in circles.
constexpr std::int64_t kReadsOfTheFile = 4;
constexpr std::int64_t kReadAllowanceBase = std::int64_t{1} << 20;
constexpr std::int64_t kBytesPerVisit = 8;

// Raised with the failure when the tree is deeper, or its walk longer, than its bounds allow.
struct TreeOverLimit {
  CountFailure failure;
};

// Counts the page leaves below /Pages nodes. A kid with a /Kids entry is a further node;
// every other kid is a page, also one whose object is damaged or missing, as qpdf itself
// counts them. Nodes already on the path are loops and skipped.
class LeafCounter {
 public:
  explicit LeafCounter(long long visits) : visitsLeft_(visits) {}

  long long CountBelow(QPDFObjectHandle node, int depth) {
    if (depth > pdf::kMaxTreeDepth) throw TreeOverLimit{pdf::TooLarge(pdf::kTreeTooDeep)};
    QPDFObjectHandle kids = node.getKey("/Kids");
    if (!kids.isArray()) return 0;
    long long count = 0;
    const int n = kids.getArrayNItems();
    for (int i = 0; i < n && count <= INT_MAX; ++i) {
      if (--visitsLeft_ < 0) throw TreeOverLimit{pdf::TooSlow(pdf::kTreeSharedTooOften)};
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

// What qpdf's failure says of the file.
CountFailure FailureOf(const QPDFExc& error) {
  switch (error.getErrorCode()) {
    case qpdf_e_password:
      return pdf::Encrypted(pdf::kNeedsPassword);
    case qpdf_e_unsupported:
      return pdf::Unsupported(error.getMessageDetail());
    case qpdf_e_system:
      return {CountFailure::Kind::Unreadable, error.getMessageDetail()};
    default:
      return pdf::Damaged(error.getMessageDetail());
  }
}

}  // namespace

PageCount CountPagesWithQpdf(const std::string& path, bool repair, const std::atomic<bool>* cancelled,
                             std::int64_t readAllowance) {
  std::shared_ptr<BoundedInputSource> source;
  // Once a read was stopped, qpdf's answer is not to be trusted: the stop is the failure.
  const auto failure = [&source, cancelled](CountFailure otherwise) -> PageCount {
    if (!source || !source->Stopped()) return otherwise;
    if (cancelled != nullptr && cancelled->load()) return pdf::Cancelled();
    return pdf::TooSlow(pdf::kMoreWorkThanItsSize);
  };
  try {
    RegularFile file(path);
    if (!file.IsOpen()) return file.OpenFailure();
    FILE* stream = fdopen(file.Descriptor(), "rb");
    if (stream == nullptr) return pdf::Unreadable(errno);
    file.Release();

    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.setAttemptRecovery(repair);
    const std::int64_t allowance =
        readAllowance >= 0 ? readAllowance : kReadsOfTheFile * file.Size() + kReadAllowanceBase;
    source = std::make_shared<BoundedInputSource>(std::make_shared<FileInputSource>(path.c_str(), stream, true),
                                                  allowance, cancelled);
    pdf.processInputSource(source);
    QPDFObjectHandle pages = pdf.getRoot().getKey("/Pages");
    if (!pages.isDictionary() || !pages.getKey("/Kids").isArray()) return failure(pdf::Damaged("no page tree"));
    // A sound tree visits each of its objects once, and an object takes at least a few
    // bytes of the file (compressed in an object stream); more visits than that allows
    // mean nodes shared over and over, and qpdf keeps the objects it read in memory.
    LeafCounter counter(allowance / kBytesPerVisit);
    counter.Enter(pages);
    const long long count = counter.CountBelow(pages, 0);
    if (source->Stopped()) return failure({});
    if (count > INT_MAX) return pdf::TooLarge(pdf::kTooManyPages);
    // In a file qpdf found damaged, the leaves it reads are a count only when the root's
    // /Count says the same: qpdf reads damaged objects as best it can.
    QPDFObjectHandle rootCount = pages.getKey("/Count");
    if (pdf.anyWarnings() && !(rootCount.isInteger() && rootCount.getIntValue() == count)) {
      return pdf::Damaged("page tree incomplete");
    }
    return PageCount(static_cast<std::int32_t>(count));
  } catch (const TreeOverLimit& overLimit) {
    return failure(overLimit.failure);
  } catch (const QPDFExc& error) {
    return failure(FailureOf(error));
  } catch (const QPDFSystemError& error) {
    return failure(pdf::Unreadable(error.getErrno()));
  } catch (const std::bad_alloc&) {
    return failure(pdf::TooLarge(pdf::kOutOfMemory));
  } catch (const std::exception& error) {
    return failure(pdf::Damaged(error.what()));
  } catch (...) {
    return failure(pdf::Damaged());
  }
}

}  // namespace folidex
