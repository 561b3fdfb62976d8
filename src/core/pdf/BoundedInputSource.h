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
// bytes it reads or skips, and one more for each call (qpdf jumps back and forth a lot,
// a few bytes at a time). Past its allowance, or once
// `cancelled` is set, the next call throws QpdfStopped, so that qpdf's repair of a damaged
// file ends after the same work on any machine under any load.
class BoundedInputSource : public InputSource {
 public:
  BoundedInputSource(std::shared_ptr<InputSource> inner, std::int64_t allowance, const std::atomic<bool>* cancelled)
      : inner_(std::move(inner)), left_(allowance), cancelled_(cancelled) {}

  qpdf_offset_t findAndSkipNextEOL() override {
    Spend(kCallCost);
    const qpdf_offset_t before = inner_->tell();
    const qpdf_offset_t result = inner_->findAndSkipNextEOL();
    Spend(inner_->tell() - before);
    return result;
  }
  std::string const& getName() const override { return inner_->getName(); }
  qpdf_offset_t tell() override { return inner_->tell(); }
  void seek(qpdf_offset_t offset, int whence) override {
    Spend(kCallCost);
    inner_->seek(offset, whence);
  }
  void rewind() override {
    Spend(kCallCost);
    inner_->rewind();
  }
  size_t read(char* buffer, size_t length) override {
    Spend(kCallCost);
    const size_t count = inner_->read(buffer, length);
    setLastOffset(inner_->getLastOffset());
    Spend(static_cast<std::int64_t>(count));
    return count;
  }
  void unreadCh(char ch) override { inner_->unreadCh(ch); }

  // True once a call was stopped. qpdf takes a failure to read an object for damage and
  // goes on with a null in its place, so what it found afterwards is not to be trusted.
  bool Stopped() const { return stopped_; }

 private:
  static constexpr std::int64_t kCallCost = 1;

  void Spend(std::int64_t bytes) {
    left_ -= bytes;
    stopped_ = stopped_ || left_ < 0 || (cancelled_ != nullptr && cancelled_->load(std::memory_order_relaxed));
    if (stopped_) throw QpdfStopped();
  }

  std::shared_ptr<InputSource> inner_;
  std::int64_t left_;
  const std::atomic<bool>* cancelled_;
  bool stopped_ = false;
};

}  // namespace folidex
