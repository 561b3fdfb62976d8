// Preload library for benchmarks: every open of a file whose name ends in ".pdf" first
// sleeps SLOW_OPEN_US microseconds (default 2000), like a round trip to a network share.
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdarg>
#include <cstdlib>
#include <cstring>

namespace {

void DelayIfPdf(const char* path) {
  const std::size_t length = std::strlen(path);
  if (length < 4 || std::strcmp(path + length - 4, ".pdf") != 0) return;
  static const long delay = [] {
    const char* text = std::getenv("SLOW_OPEN_US");
    return text != nullptr ? std::atol(text) : 2000L;
  }();
  usleep(static_cast<useconds_t>(delay));
}

}  // namespace

// Each name takes the mode after the flags when it creates a file.
#define OPEN_MODE(flags)                           \
  mode_t mode = 0;                                 \
  if ((flags) & (O_CREAT | O_TMPFILE)) {           \
    va_list args;                                  \
    va_start(args, flags);                         \
    mode = static_cast<mode_t>(va_arg(args, int)); \
    va_end(args);                                  \
  }

// Both names of each call, since a program built with 64-bit file offsets calls the second;
// the reader opens a file through its folder (openat), the folder walk by path.
#define SLOW_OPEN_WRAPPER(name)                                                       \
  extern "C" int name(const char* path, int flags, ...) {                             \
    using OpenFunction = int (*)(const char*, int, ...);                              \
    static const auto real = reinterpret_cast<OpenFunction>(dlsym(RTLD_NEXT, #name)); \
    OPEN_MODE(flags)                                                                  \
    DelayIfPdf(path);                                                                 \
    return real(path, flags, mode);                                                   \
  }
#define SLOW_OPENAT_WRAPPER(name)                                                     \
  extern "C" int name(int folder, const char* path, int flags, ...) {                 \
    using OpenFunction = int (*)(int, const char*, int, ...);                         \
    static const auto real = reinterpret_cast<OpenFunction>(dlsym(RTLD_NEXT, #name)); \
    OPEN_MODE(flags)                                                                  \
    DelayIfPdf(path);                                                                 \
    return real(folder, path, flags, mode);                                           \
  }

SLOW_OPEN_WRAPPER(open)
SLOW_OPEN_WRAPPER(open64)
SLOW_OPENAT_WRAPPER(openat)
SLOW_OPENAT_WRAPPER(openat64)
