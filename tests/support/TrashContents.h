#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <utility>

namespace folidex::test {

// What a freedesktop.org Trash folder holds, as a file manager would put it back: for each
// name in its "files", the path its information file records (escaped, "" when it has
// none) and its bytes. Checks that each information file dates the deletion.
using TrashContents = std::map<std::string, std::pair<std::string, std::string>>;
TrashContents ContentsOfTrash(const std::filesystem::path& trash);

}  // namespace folidex::test
