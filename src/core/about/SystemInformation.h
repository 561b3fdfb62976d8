#pragma once

#include <functional>
#include <string>

#include "core/about/Registry.h"

namespace folidex {

// Where the system-information program's full path is registered.
inline constexpr std::string_view kRegistryRoot = "HKEY_LOCAL_MACHINE";
inline constexpr std::string_view kProgramPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr std::string_view kProgramPathValue = "PATH";

inline constexpr std::string_view kSystemInfoUnavailable = "System Information Is Unavailable At This Time";

// Starts a program; true when it started.
using StartProgramFunction = std::function<bool(const std::string& path)>;

// Finds the system-information program through the registry and starts it. A registered
// path is used whenever it is there, even when it names no program. False when nothing
// could be started: the caller then shows kSystemInfoUnavailable.
bool StartSysInfo(const Registry& registry, const StartProgramFunction& startProgram);

}  // namespace folidex
