#include "support/FoundFiles.h"

namespace folidex::test {

LocalTime At(int year, unsigned month, unsigned day, int hour, int minute, int second) {
  using namespace std::chrono;
  return local_days{std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day}} + hours{hour} +
         minutes{minute} + seconds{second};
}

FoundFile Found(const std::string& name, std::uint64_t bytes, int pages, LocalTime modified,
                const std::string& folder) {
  FoundFile file;
  file.facts.name = name;
  file.facts.folder = folder;
  file.facts.fullPath = folder + "/" + name;
  file.facts.size = bytes;
  file.facts.modified = modified;
  file.pages = pages < 0 ? PageCount(CountFailure{}) : PageCount(pages);
  return file;
}

ResultTable SampleResults() {
  ResultTable table;
  table.Append(Found("a.pdf", 1234 * 1024, 12, At(2005, 7, 26, 15, 5)));
  table.Append(Found("say \"hi\".pdf", 1, -1, At(2006, 1, 2, 10)));
  table.Append(Found("Übersicht\tline\nbreak.pdf", 3 * 1024, 3, At(2006, 1, 3, 23), "/docs/more"));
  return table;
}

}  // namespace folidex::test
