#include "core/about/PathRegistry.h"

#include <unistd.h>

#include "core/about/SystemInformation.h"

namespace folidex {
namespace {

std::string FindOnPath(const std::string& program, std::string_view searchPath) {
  while (!searchPath.empty()) {
    const std::size_t colon = searchPath.find(':');
    const std::string_view folder = searchPath.substr(0, colon);
    if (!folder.empty()) {
      const std::string candidate = std::string{folder} + "/" + program;
      if (access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    if (colon == std::string_view::npos) break;
    searchPath.remove_prefix(colon + 1);
  }
  return {};
}

}  // namespace

const std::vector<std::string>& PathRegistry::KnownPrograms() {
  static const std::vector<std::string> programs{"gnome-system-monitor", "kinfocenter",         "hardinfo",
                                                 "xfce4-taskmanager",    "mate-system-monitor", "lxtask"};
  return programs;
}

PathRegistry::PathRegistry(std::string searchPath) {
  for (const std::string& program : KnownPrograms()) {
    program_ = FindOnPath(program, searchPath);
    if (!program_.empty()) return;
  }
}

bool PathRegistry::HasKey(std::string_view root, std::string_view keyPath) const {
  return root == kRegistryRoot && keyPath == kProgramPathKey && !program_.empty();
}

std::optional<std::string> PathRegistry::Query(std::string_view root, std::string_view keyPath,
                                               std::string_view valueName) const {
  if (!HasKey(root, keyPath) || valueName != kProgramPathValue) return std::nullopt;
  return program_;
}

}  // namespace folidex
