#pragma once

#include "core/pdf/PageCount.h"
#include "core/search/FileFacts.h"

namespace folidex {

// A file a search lists: what the walk knows of it and its page count.
struct FoundFile {
  FileFacts facts;
  PageCount pages;
};

}  // namespace folidex
