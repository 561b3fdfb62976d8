#pragma once

#include <string>
#include <vector>

#include "support/TempTree.h"

namespace folidex::test {

// Writes well-formed PDFs of several sizes and page-tree shapes into `tree`, each also
// rewritten by qpdf with object streams, linearized, encrypted and in QDF form, and
// returns their paths.
std::vector<std::string> WriteSampleCorpus(const TempTree& tree);

}  // namespace folidex::test
