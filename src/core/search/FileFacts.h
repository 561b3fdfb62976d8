#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/common/LocalTime.h"

namespace folidex {

// What the walk knows of one file of a folder.
struct FileFacts {
  std::string name;      // name with extension, no folder
  std::string folder;    // the folder that holds it, without a trailing separator but for the root
  std::string fullPath;  // folder, separator and name
  bool hidden = false;   // the name starts with "."
  std::uint64_t size = 0;
  std::optional<LocalTime> created;  // absent where the file system keeps no creation time
  LocalTime modified{};
  std::chrono::seconds modifiedUtcOffset{};  // the zone's offset from UTC when it was modified
  LocalTime accessed{};
};

}  // namespace folidex
