#include "core/about/SystemInformation.h"

namespace folidex {

bool StartSysInfo(const Registry& registry, const SystemInfoServices& services) {
  std::string program;
  if (!GetKeyValue(registry, kRegistryRoot, kProgramPathKey, kProgramPathValue, program)) {
    std::string folder;
    if (!GetKeyValue(registry, kRegistryRoot, kProgramFolderKey, kProgramFolderValue, folder)) return false;
    const std::string candidate = folder + "/" + std::string{kProgramFileName};
    if (!services.fileExists(candidate)) return false;
    program = candidate;
  }
  return !program.empty() && services.startProgram(program);
}

}  // namespace folidex
