#include "core/pdf/PageCounter.h"

#include "core/pdf/QpdfPageCounter.h"

namespace folidex {

int CountPages(const std::string& path) {
  return CountPagesWithQpdf(path);
}

}  // namespace folidex
