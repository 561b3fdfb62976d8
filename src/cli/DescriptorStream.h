#pragma once

#include <array>
#include <ostream>
#include <streambuf>

namespace folidex::cli {

// The buffer of a DescriptorStream.
class DescriptorBuffer : public std::streambuf {
 public:
  explicit DescriptorBuffer(int fd);
  int WriteError() const { return error_; }

 protected:
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  bool Drain();

  int fd_;
  int error_ = 0;
  std::array<char, 64 * 1024> bytes_{};
};

// A buffered output stream over a file descriptor that keeps the reason its first failed
// write failed (a closed pipe, a full disk); after that it writes nothing more. The buffer
// is a base listed first, so that it is made before the stream that uses it.
class DescriptorStream : private DescriptorBuffer, public std::ostream {
 public:
  explicit DescriptorStream(int fd) : DescriptorBuffer(fd), std::ostream(static_cast<DescriptorBuffer*>(this)) {}
  ~DescriptorStream() override { flush(); }

  // errno of the failed write; 0 while every write succeeded.
  using DescriptorBuffer::WriteError;
};

}  // namespace folidex::cli
