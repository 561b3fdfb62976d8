#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace folidex {

// Random access to the bytes of one document: a file read with pread, or a buffer in memory.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual std::int64_t Size() const = 0;
  // Copies up to `length` bytes from `offset` into `buffer` and returns how many it copied;
  // fewer only at the end of the source or when reading fails.
  virtual std::size_t ReadAt(std::int64_t offset, char* buffer, std::size_t length) const = 0;
};

// A document held in memory.
class MemoryByteSource : public ByteSource {
 public:
  explicit MemoryByteSource(std::string_view bytes) : bytes_(bytes) {}
  std::int64_t Size() const override { return static_cast<std::int64_t>(bytes_.size()); }
  std::size_t ReadAt(std::int64_t offset, char* buffer, std::size_t length) const override {
    if (offset < 0 || offset >= Size()) return 0;
    const std::string_view part = bytes_.substr(static_cast<std::size_t>(offset), length);
    std::memcpy(buffer, part.data(), part.size());
    return part.size();
  }

 private:
  std::string_view bytes_;
};

// The bytes of another source from `start` on.
class ShiftedByteSource : public ByteSource {
 public:
  ShiftedByteSource(const ByteSource& whole, std::int64_t start) : whole_(whole), start_(start) {}
  std::int64_t Size() const override { return whole_.Size() - start_; }
  std::size_t ReadAt(std::int64_t offset, char* buffer, std::size_t length) const override {
    return offset < 0 ? 0 : whole_.ReadAt(start_ + offset, buffer, length);
  }

 private:
  const ByteSource& whole_;
  std::int64_t start_;
};

// An open file descriptor read with pread; the caller keeps it open.
class FileByteSource : public ByteSource {
 public:
  FileByteSource(int descriptor, std::int64_t size) : fd_(descriptor), size_(size) {}
  std::int64_t Size() const override { return size_; }
  std::size_t ReadAt(std::int64_t offset, char* buffer, std::size_t length) const override;

 private:
  int fd_;
  std::int64_t size_;
};

}  // namespace folidex
