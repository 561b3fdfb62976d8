#include "core/common/MemoryReuse.h"

#include <cstdlib>  // defines __GLIBC__ on glibc

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace folidex {

void KeepFreedMemoryForReuse() {
#if defined(__GLIBC__)
  // The heap grows, and shrinks, in steps of 64 MiB of address space; pages of it that
  // are never touched take no memory.
  mallopt(M_TOP_PAD, 64 << 20);
#endif
}

}  // namespace folidex
