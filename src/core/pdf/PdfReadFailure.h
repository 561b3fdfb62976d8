#pragma once

#include <string>

#include "core/common/SystemErrorText.h"
#include "core/pdf/PageCount.h"

namespace folidex::pdf {

// The readers throw a CountFailure where they give up on a file and catch it where they
// start. These make the failures they throw.

// A file damaged where the reader looked, or using a feature it lacks: another reader
// (qpdf, or the recovery that scans the file) may still count it.
inline CountFailure Damaged(std::string what = {}) { return {CountFailure::Kind::Damaged, std::move(what)}; }
inline CountFailure Unsupported(std::string feature) { return {CountFailure::Kind::Unsupported, std::move(feature)}; }

// A file encrypted in a way the readers cannot open (they all try the empty password of
// the standard security handler), and one that asks for more work or memory than any sound
// file needs: it is not counted at all, and not handed to another reader.
inline CountFailure Encrypted(std::string why) { return {CountFailure::Kind::Encrypted, std::move(why)}; }
inline CountFailure TooLarge(std::string bound) { return {CountFailure::Kind::TooLarge, std::move(bound)}; }
inline CountFailure TooSlow(std::string bound) { return {CountFailure::Kind::TooSlow, std::move(bound)}; }

// The system could not read the file: `error` is its error number.
inline CountFailure Unreadable(int error) { return {CountFailure::Kind::Unreadable, SystemErrorText(error)}; }

// The search that asked for the count was cancelled.
inline CountFailure Cancelled() { return {CountFailure::Kind::Cancelled, {}}; }

// True for a failure that another reader may overcome.
inline bool OtherReadersMayCount(const CountFailure& failure) {
  return failure.kind == CountFailure::Kind::Damaged || failure.kind == CountFailure::Kind::Unsupported;
}

// The deepest page tree either reader walks.
inline constexpr int kMaxTreeDepth = 256;

// The bounds shared by the readers, as a failure names them.
inline constexpr const char* kMoreWorkThanItsSize = "more work than a file of its size needs";
inline constexpr const char* kTreeTooDeep = "a page tree deeper than 256 levels";
inline constexpr const char* kTreeSharedTooOften = "a page tree whose nodes are shared over and over";
inline constexpr const char* kTooManyPages = "more than 2,147,483,647 pages";
inline constexpr const char* kOutOfMemory = "more memory than the system gives";
inline constexpr const char* kNeedsPassword = "needs a password";

}  // namespace folidex::pdf
