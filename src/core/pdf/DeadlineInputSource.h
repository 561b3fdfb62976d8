#pragma once

#include <chrono>
#include <memory>
#include <qpdf/InputSource.hh>
#include <stdexcept>

namespace folidex {

// Raised when qpdf takes longer over a file than its deadline allows.
class QpdfTooSlow : public std::runtime_error {
 public:
  QpdfTooSlow() : std::runtime_error("qpdf took too long over the file") {}
};

// Hands qpdf a file through another input source and stops it, by throwing QpdfTooSlow
// from its next read, once the deadline has passed: some damaged files make qpdf's
// repair go on for minutes, and a count must never hang.
class DeadlineInputSource : public InputSource {
 public:
  DeadlineInputSource(std::shared_ptr<InputSource> inner, std::chrono::steady_clock::duration allowed)
      : inner_(std::move(inner)), deadline_(std::chrono::steady_clock::now() + allowed) {}

  qpdf_offset_t findAndSkipNextEOL() override {
    CheckDeadline();
    return inner_->findAndSkipNextEOL();
  }
  std::string const& getName() const override { return inner_->getName(); }
  qpdf_offset_t tell() override { return inner_->tell(); }
  void seek(qpdf_offset_t offset, int whence) override {
    CheckDeadline();
    inner_->seek(offset, whence);
  }
  void rewind() override { inner_->rewind(); }
  size_t read(char* buffer, size_t length) override {
    CheckDeadline();
    const size_t count = inner_->read(buffer, length);
    setLastOffset(inner_->getLastOffset());
    return count;
  }
  void unreadCh(char ch) override { inner_->unreadCh(ch); }

 private:
  void CheckDeadline() const {
    if (std::chrono::steady_clock::now() > deadline_) throw QpdfTooSlow();
  }

  std::shared_ptr<InputSource> inner_;
  std::chrono::steady_clock::time_point deadline_;
};

}  // namespace folidex
