#pragma once

#include <functional>
#include <string>

#include "core/about/Registry.h"

namespace folidex {

// Where the system-information program is registered: first its full path, then its folder.
inline constexpr std::string_view kRegistryRoot = "HKEY_LOCAL_MACHINE";
inline constexpr std::string_view kProgramPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr std::string_view kProgramPathValue = "PATH";
inline constexpr std::string_view kProgramFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr std::string_view kProgramFolderValue = "MSINFO";
inline constexpr std::string_view kProgramFileName = "MSINFO32.EXE";

inline constexpr std::string_view kSystemInfoUnavailable = "System Information Is Unavailable At This Time";

struct SystemInfoServices {
  std::function<bool(const std::string& path)> fileExists;
  std::function<bool(const std::string& commandLine)> startProgram;  // true when it started
};

// Finds the system-information program through the registry and starts it. A registered
// full path is used whenever it is there, even when it names no program; the folder is
// used only when the program's file lies in it. False when nothing could be started: the
// caller then shows kSystemInfoUnavailable.
bool StartSysInfo(const Registry& registry, const SystemInfoServices& services);

}  // namespace folidex
