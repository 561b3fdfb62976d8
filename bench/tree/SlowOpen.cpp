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

// Both names, since a program built with 64-bit file offsets calls the second.
#define SLOW_OPEN_WRAPPER(name)                                                                       \
  extern "C" int name(const char* path, int flags, ...) {                                             \
    using OpenFunction = int (*)(const char*, int, ...);                                              \
    static const auto real = reinterpret_cast<OpenFunction>(dlsym(RTLD_NEXT, #name));                 \
    va_list args;                                                                                     \
    va_start(args, flags);                                                                            \
    const mode_t mode = (flags & (O_CREAT | O_TMPFILE)) ? static_cast<mode_t>(va_arg(args, int)) : 0; \
    va_end(args);                                                                                     \
    DelayIfPdf(path);                                                                                 \
    return real(path, flags, mode);                                                                   \
  }

SLOW_OPEN_WRAPPER(open)
SLOW_OPEN_WRAPPER(open64)
