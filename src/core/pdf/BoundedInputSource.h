#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <qpdf/InputSource.hh>
#include <stdexcept>

namespace folidex {

// Raised from qpdf's next read once it has read more than its allowance, or once the count
// was cancelled.
class QpdfStopped : public std::runtime_error {
 public:
  QpdfStopped() : std::runtime_error("qpdf was stopped") {}
};

// Hands qpdf a file through another input source and counts the work it does there: the
// bytes it reads or skips, and a fixed amount for each jump. Past its allowance, or once
// `cancelled` is set, the next call throws QpdfStopped, so that qpdf's repair of a damaged
// file ends after the same work on any machine under any load.
class BoundedInputSource : public InputSource {
 public:
  BoundedInputSource(std::shared_ptr<InputSource> inner, std::int64_t allowance, const std::atomic<bool>* cancelled)
      : inner_(std::move(inner)), left_(allowance), cancelled_(cancelled) {}

  qpdf_offset_t findAndSkipNextEOL() override {
    Spend(0);
    const qpdf_offset_t before = inner_->tell();
    const qpdf_offset_t result = inner_->findAndSkipNextEOL();
    Spend(inner_->tell() - before);
    return result;
  }
  std::string const& getName() const override { return inner_->getName(); }
  qpdf_offset_t tell() override { return inner_->tell(); }
  void seek(qpdf_offset_t offset, int whence) override {
    Spend(kSeekCost);
    inner_->seek(offset, whence);
  }
  void rewind() override {
    Spend(kSeekCost);
    inner_->rewind();
  }
  size_t read(char* buffer, size_t length) override {
    Spend(0);
    const size_t count = inner_->read(buffer, length);
    setLastOffset(inner_->getLastOffset());
    Spend(static_cast<std::int64_t>(count));
    return count;
  }
  void unreadCh(char ch) override { inner_->unreadCh(ch); }

 private:
  static constexpr std::int64_t kSeekCost = 64;

  void Spend(std::int64_t bytes) {
    left_ -= bytes;
    if (left_ < 0 || (cancelled_ != nullptr && cancelled_->load(std::memory_order_relaxed))) throw QpdfStopped();
  }

  std::shared_ptr<InputSource> inner_;
  std::int64_t left_;
  const std::atomic<bool>* cancelled_;
};

}  // namespace folidex
