// Preload library for benchmarks: times every call of zlib's inflate and, when the program
// ends, writes to standard error how long the calls took in all and how many bytes they
// took in and gave out. Against the time of the whole run, it tells how much of a count's
// time no change to the reader's own code can save.
#include <dlfcn.h>
#include <zlib.h>

#include <atomic>
#include <chrono>
#include <cstdio>

namespace {

struct InflateTally {
  std::atomic<long long> calls{0}, bytesIn{0}, bytesOut{0}, nanoseconds{0};

  ~InflateTally() {
    std::fprintf(stderr, "inflate: %lld calls, %lld bytes in, %lld bytes out, %.3f s\n", calls.load(), bytesIn.load(),
                 bytesOut.load(), static_cast<double>(nanoseconds.load()) / 1e9);
  }
};

InflateTally tally;

}  // namespace

extern "C" int inflate(z_streamp stream, int flush) {
  using InflateFunction = int (*)(z_streamp, int);
  static const auto real = reinterpret_cast<InflateFunction>(dlsym(RTLD_NEXT, "inflate"));
  const uInt availableIn = stream->avail_in, availableOut = stream->avail_out;
  const auto start = std::chrono::steady_clock::now();
  const int status = real(stream, flush);
  const auto took = std::chrono::steady_clock::now() - start;
  tally.calls += 1;
  tally.bytesIn += availableIn - stream->avail_in;
  tally.bytesOut += availableOut - stream->avail_out;
  tally.nanoseconds += std::chrono::duration_cast<std::chrono::nanoseconds>(took).count();
  return status;
}
