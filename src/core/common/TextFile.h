#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace folidex {

// Reads the whole file into `text`. A file that does not exist reads as empty text; a file
// that exists but cannot be read gives false with the reason in `error`.
bool ReadTextFile(const std::filesystem::path& file, std::string& text, std::string& error);

// Replaces the file's contents with `text` so that readers see either the old or the new
// file, never a part: the text goes into a temporary file in the same folder, which is
// flushed to disk and renamed over the file. A symbolic link stays: the file it points to
// is replaced, in its own folder. A file that exists and is write-protected (no write
// permission for the user, or none at all) is refused. An existing file keeps its mode and,
// where allowed, its owner; a new file gets the mode the umask gives. On failure the old
// file is untouched, the temporary file is removed and `error` holds the reason.
bool ReplaceTextFile(const std::filesystem::path& file, std::string_view text, std::string& error);

}  // namespace folidex
