#include "support/TrashContents.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "support/TempTree.h"

namespace folidex::test {

namespace fs = std::filesystem;

TrashContents ContentsOfTrash(const fs::path& trash) {
  TrashContents contents;
  if (!fs::exists(trash / "files")) return contents;
  for (const auto& entry : fs::directory_iterator(trash / "files")) {
    const std::string name = entry.path().filename().string();
    std::string recorded;
    std::istringstream info(FileBytes(trash / "info" / (name + ".trashinfo")));
    for (std::string line; std::getline(info, line);) {
      if (line.starts_with("Path=")) recorded = line.substr(5);
      if (line.starts_with("DeletionDate=")) {
        EXPECT_TRUE(std::regex_match(line.substr(13), std::regex(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d)"))) << line;
      }
    }
    contents[name] = {recorded, FileBytes(entry.path())};
  }
  return contents;
}

}  // namespace folidex::test
