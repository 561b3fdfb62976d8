#include "cli/ProgressLine.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include "cli/TerminalText.h"

namespace folidex::cli {
namespace {

std::size_t TerminalColumns(std::FILE* terminal) {
  winsize size{};
  if (ioctl(fileno(terminal), TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
  return 80;
}

// Cuts the text to the width, keeping its end (the deepest folders) and whole UTF-8 characters.
std::string FitFromEnd(const std::string& text, std::size_t width) {
  std::size_t characters = 0;
  std::size_t start = text.size();
  while (start > 0) {
    std::size_t lead = start - 1;
    while (lead > 0 && (static_cast<unsigned char>(text[lead]) & 0xC0) == 0x80) --lead;
    if (++characters > width) break;
    start = lead;
  }
  return start == 0 ? text : "…" + text.substr(start);
}

}  // namespace

ProgressLine::ProgressLine(std::FILE* terminal) : terminal_(isatty(fileno(terminal)) ? terminal : nullptr) {}

ProgressLine::~ProgressLine() { Clear(); }

void ProgressLine::Update(const std::string& folder, std::int64_t files, std::int64_t pages) {
  if (terminal_ == nullptr) return;
  const auto now = std::chrono::steady_clock::now();
  if (shown_ && now - lastDrawn_ < std::chrono::milliseconds(100)) return;
  lastDrawn_ = now;
  const std::string counts = "  " + std::to_string(files) + " files, " + std::to_string(pages) + " pages";
  const std::size_t columns = TerminalColumns(terminal_);
  const std::size_t room = columns > counts.size() + 12 ? columns - counts.size() - 12 : 10;
  std::fprintf(terminal_, "\r\033[KSearching %s%s", FitFromEnd(TerminalText(folder), room).c_str(), counts.c_str());
  std::fflush(terminal_);
  shown_ = true;
}

void ProgressLine::Clear() {
  if (!shown_) return;
  std::fputs("\r\033[K", terminal_);
  std::fflush(terminal_);
  shown_ = false;
}

}  // namespace folidex::cli
