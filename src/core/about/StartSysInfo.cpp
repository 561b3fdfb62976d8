#include "core/about/SystemInformation.h"

namespace folidex {

bool StartSysInfo(const Registry& registry, const StartProgramFunction& startProgram) {
  std::string program;
  if (!GetKeyValue(registry, kRegistryRoot, kProgramPathKey, kProgramPathValue, program)) return false;
  return !program.empty() && startProgram(program);
}

}  // namespace folidex
