#include "cli/DescriptorStream.h"

#include <unistd.h>

#include <cerrno>

namespace folidex::cli {

DescriptorBuffer::DescriptorBuffer(int fd) : fd_(fd) { setp(bytes_.data(), bytes_.data() + bytes_.size()); }

bool DescriptorBuffer::Drain() {
  const char* next = pbase();
  while (error_ == 0 && next < pptr()) {
    const ssize_t written = write(fd_, next, static_cast<std::size_t>(pptr() - next));
    if (written >= 0) {
      next += written;
    } else if (errno != EINTR) {
      error_ = errno;
    }
  }
  setp(bytes_.data(), bytes_.data() + bytes_.size());
  return error_ == 0;
}

DescriptorBuffer::int_type DescriptorBuffer::overflow(int_type c) {
  if (!Drain()) return traits_type::eof();
  if (!traits_type::eq_int_type(c, traits_type::eof())) sputc(traits_type::to_char_type(c));
  return traits_type::not_eof(c);
}

int DescriptorBuffer::sync() { return Drain() ? 0 : -1; }

}  // namespace folidex::cli
