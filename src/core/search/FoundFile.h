#pragma once

#include "core/search/FileFacts.h"
#include "core/search/PageCount.h"

namespace folidex {

// A file a search lists: what the walk knows of it and its page count.
struct FoundFile {
  FileFacts facts;
  PageCount pages;
};

}  // namespace folidex
