#pragma once

#include <string>
#include <vector>

#include "core/about/Registry.h"

namespace folidex {

// The registry as Folidex sees it on a desktop without one: the program-path location
// holds the first well-known system-information program found on the search path.
class PathRegistry : public Registry {
 public:
  // `searchPath` is a PATH-style list of folders.
  explicit PathRegistry(std::string searchPath);

  bool HasKey(std::string_view root, std::string_view keyPath) const override;
  std::optional<std::string> Query(std::string_view root, std::string_view keyPath,
                                   std::string_view valueName) const override;

  // Tried in this order.
  static const std::vector<std::string>& KnownPrograms();

 private:
  std::string program_;  // empty when none was found
};

}  // namespace folidex
