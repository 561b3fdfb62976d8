#include <gtest/gtest.h>

#include "CountRun.h"
#include "support/TestPdf.h"

namespace folidex {
namespace {

using test::MakePdf;
using test::Outcome;
using test::PythonAccepts;
using test::RunCount;
using test::TempTree;

constexpr char kEvil[] = "evil\x1b]0;PWNED\x07\x1b[2J.pdf";

TEST(CliOutput, TsvEscapesWhatWouldBreakItsLinesAndCsvQuotes) {
  TempTree tree;
  tree.Write("odd/tab\there.pdf", MakePdf(1));
  tree.Write("odd/two\nlines.pdf", MakePdf(2));
  tree.Write("odd/back\\slash \"q\".pdf", MakePdf(3));
  const Outcome tsv = RunCount(tree, "--format tsv odd");
  EXPECT_EQ(tsv.status, 0);
  EXPECT_EQ(tsv.out.find('"'), tsv.out.find("\"q\""));  // no quoting
  EXPECT_NE(tsv.out.find("\nback\\\\slash \"q\".pdf\todd\t"), std::string::npos) << tsv.out;
  EXPECT_NE(tsv.out.find("\ntab\\there.pdf\todd\t"), std::string::npos) << tsv.out;
  EXPECT_NE(tsv.out.find("\ntwo\\nlines.pdf\todd\t"), std::string::npos) << tsv.out;
  EXPECT_EQ(std::count(tsv.out.begin(), tsv.out.end(), '\n'), 4);

  const Outcome csv = RunCount(tree, "--format csv odd");
  EXPECT_NE(csv.out.find("\n\"back\\slash \"\"q\"\".pdf\",odd,"), std::string::npos) << csv.out;
  EXPECT_NE(csv.out.find("\n\"two\nlines.pdf\",odd,"), std::string::npos) << csv.out;
  EXPECT_NE(csv.out.find("\ntab\there.pdf,odd,"), std::string::npos) << csv.out;
}

TEST(CliOutput, TheTerminalSeesControlCharactersEscaped) {
  TempTree tree;
  tree.Write(std::string("folder\x1b[31m/") + kEvil, MakePdf(1));
  tree.Write("folder\x1b[31m/latin-\xe9.pdf", MakePdf(1));
  // Under a pseudo-terminal: the table is the default and the progress line shows.
  ASSERT_TRUE(test::RunCommand("cd '" + tree.Path() +
                               "' && script -qec \"'" FOLIDEX_COUNT_BINARY "' folder*\" shown >/dev/null 2>&1"));
  const std::string shown = tree.Read("shown");
  EXPECT_EQ(shown.find("\x1b]0;PWNED"), std::string::npos) << shown;
  EXPECT_EQ(shown.find("\x1b[31m"), std::string::npos) << shown;
  EXPECT_EQ(shown.find('\a'), std::string::npos) << shown;
  EXPECT_NE(shown.find("evil\\x1b]0;PWNED\\x07\\x1b[2J.pdf  folder\\x1b[31m"), std::string::npos) << shown;
  EXPECT_NE(shown.find("latin-\\xe9.pdf"), std::string::npos) << shown;
  EXPECT_NE(shown.find("Searching folder\\x1b[31m"), std::string::npos) << shown;
}

TEST(CliOutput, JsonIsValidUtf8AndKeepsTheBytesOfOtherNames) {
  TempTree tree;
  tree.Write("caf\xe9/bad\xff\xfe.pdf", MakePdf(2));
  tree.Write("caf\xe9/ok \xe2\x82\xac.pdf", MakePdf(1));
  tree.Write(std::string("caf\xe9/") + kEvil, MakePdf(1));
  for (const std::string format : {"json", "jsonl"}) {
    const Outcome run = RunCount(tree, "-r --by-folder --format " + format + " .");
    EXPECT_EQ(run.status, 0) << run.err;
    // Each ill-formed byte reads as U+FFFD, and the exact bytes follow in Base64.
    const std::string folder = format == "jsonl" ? "{\"type\":\"folder\"," : "{";
    for (const std::string& expected :
         {std::string(
              "\"path\":\"./caf\uFFFD/bad\uFFFD\uFFFD.pdf\",\"pathBase64\":\"Li9jYWbpL2JhZP/+LnBkZg==\",\"name\":\"bad"
              "\uFFFD\uFFFD.pdf\",\"nameBase64\":\"YmFk//4ucGRm\",\"folder\":\"./"
              "caf\uFFFD\",\"folderBase64\":\"Li9jYWbp\","),
          std::string("\"name\":\"ok \u20AC.pdf\",\"folder\":"),
          std::string("\"name\":\"evil\\u001b]0;PWNED\\u0007\\u001b[2J.pdf\",\"folder\":"),
          folder + "\"path\":\"./caf\uFFFD\",\"pathBase64\":\"Li9jYWbp\",\"files\":3,\"pages\":4,"}) {
      EXPECT_NE(run.out.find(expected), std::string::npos) << format << ": " << expected << "\n" << run.out;
    }
    const std::string parse =
        format == "json" ? "json.loads(text)\n" : "[json.loads(line) for line in text.splitlines()]\n";
    EXPECT_TRUE(
        PythonAccepts(tree, "text = open(sys.argv[1], 'rb').read().decode('utf-8')\n" + parse, tree.Path(".out")))
        << format << ": " << run.out;
  }
}

TEST(CliOutput, JsonTimesCarryTheirOffsetFromUtcAndSizesAreBytes) {
  TempTree tree;
  tree.Write("docs/summer.pdf", MakePdf(1));
  tree.Write("docs/winter.pdf", MakePdf(1));
  ASSERT_TRUE(test::RunCommand("cd '" + tree.Path() +
                               "/docs' && touch -d @1690000000 summer.pdf && touch -d @1700000000 winter.pdf"));
  const std::string berlin = "TZ=CET-1CEST,M3.5.0,M10.5.0/3";
  const Outcome run = RunCount(tree, "--format json docs/summer.pdf docs/winter.pdf", berlin);
  EXPECT_NE(run.out.find("\"modified\":\"2023-07-22T06:26:40+02:00\""), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\"modified\":\"2023-11-14T23:13:20+01:00\""), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\"size\":" + std::to_string(MakePdf(1).size()) + ","), std::string::npos) << "bytes";
}

TEST(CliOutput, ByFolderAddsEachFoldersSubtotalInEveryFormat) {
  TempTree tree;
  tree.Write("box/a.pdf", MakePdf(3));
  tree.Write("box/broken.pdf", "%PDF-1.4 nothing");
  tree.Write("box/empty/notes.txt", "none");
  tree.Write("box/inner/b.pdf", MakePdf(4));
  tree.Write("box/inner/c.pdf", MakePdf(5));
  tree.Write("loose.pdf", MakePdf(7));

  const Outcome tsv = RunCount(tree, "-r --by-folder box loose.pdf");
  EXPECT_EQ(tsv.status, 3);
  const std::string folders =
      "Location\tFiles\tPages\tErrors\nbox\t2\t3\t1\nbox/empty\t0\t0\t0\nbox/inner\t2\t9\t0\n.\t1\t7\t0\n";
  EXPECT_TRUE(tsv.out.ends_with("\t7\n\n" + folders)) << tsv.out;
  EXPECT_EQ(tsv.err, "5 file(s) found\nTotal Pages : 19\n");

  const Outcome quiet = RunCount(tree, "-rq --by-folder --format csv box");
  EXPECT_EQ(quiet.out, "Location,Files,Pages,Errors\nbox,2,3,1\nbox/empty,0,0,0\nbox/inner,2,9,0\n");
  EXPECT_EQ(quiet.err, "4 file(s) found\nTotal Pages : 12\n");

  const Outcome table = RunCount(tree, "-rq --by-folder --format table box");
  EXPECT_EQ(table.out,
            "Location   Files  Pages  Errors\n"
            "box            2      3       1\n"
            "box/empty      0      0       0\n"
            "box/inner      2      9       0\n"
            "\n4 file(s) found\nTotal Pages : 12\n");

  const Outcome json = RunCount(tree, "-rq --by-folder --format json box");
  EXPECT_EQ(json.out,
            "{\"folders\":[\n{\"path\":\"box\",\"files\":2,\"pages\":3,\"errors\":1},\n"
            "{\"path\":\"box/empty\",\"files\":0,\"pages\":0,\"errors\":0},\n"
            "{\"path\":\"box/inner\",\"files\":2,\"pages\":9,\"errors\":0}\n],"
            "\"fileCount\":4,\"errorCount\":1,\"totalPages\":12,\"cancelled\":false}\n");

  const Outcome lines = RunCount(tree, "-r --by-folder --format jsonl box/inner");
  EXPECT_TRUE(
      lines.out.ends_with("\"pages\":5,\"error\":false,\"reason\":null}\n"
                          "{\"type\":\"folder\",\"path\":\"box/inner\",\"files\":2,\"pages\":9,\"errors\":0}\n"
                          "{\"type\":\"summary\",\"fileCount\":2,\"errorCount\":0,\"totalPages\":9,"
                          "\"cancelled\":false}\n"))
      << lines.out;
}

TEST(CliOutput, PageSizesAddAColumnAndTheirSumInEveryFormat) {
  TempTree tree;
  tree.Write("box/a.pdf", test::MakePdfWithBoxes({"0 0 595.28 841.89", "0 0 841.89 595.28", "0 0 612 792"}));
  tree.Write("box/b.pdf", test::MakePdfWithBoxes({"0 0 1190.55 841.89", "0 0 595.28 280.63"}));
  tree.Write("box/broken.pdf", "%PDF-1.4 nothing");

  const Outcome tsv = RunCount(tree, "--page-sizes box");
  EXPECT_TRUE(tsv.out.starts_with("File Name\tLocation\tSize\tModified Date\tPages\tPage Sizes\n")) << tsv.out;
  EXPECT_NE(tsv.out.find("\t3\tA4: 2, Letter: 1\n"), std::string::npos) << tsv.out;
  EXPECT_NE(tsv.out.find("\t2\tA3: 1, 210\u00D799 mm: 1\n"), std::string::npos) << tsv.out;
  EXPECT_NE(tsv.out.find("\tError\t\n"), std::string::npos) << "no sizes for a file not read: " << tsv.out;
  EXPECT_EQ(tsv.err, "3 file(s) found\nTotal Pages : 5\nPage Sizes : A3: 1, A4: 2, Letter: 1, 210\u00D799 mm: 1\n");

  const Outcome json = RunCount(tree, "--page-sizes --format json box");
  EXPECT_NE(json.out.find("\"pages\":3,\"error\":false,\"reason\":null,\"page_sizes\":{\"A4\":2,\"Letter\":1}}"),
            std::string::npos)
      << json.out;
  EXPECT_NE(json.out.find("\"pages\":null,\"error\":true,\"reason\":\"Damaged: no objects\",\"page_sizes\":null}"),
            std::string::npos)
      << json.out;
  EXPECT_TRUE(
      json.out.ends_with("\"cancelled\":false,\"page_sizes\":{\"A3\":1,\"A4\":2,\"Letter\":1,"
                         "\"210\u00D799 mm\":1}}\n"))
      << json.out;
  const Outcome table = RunCount(tree, "-q --page-sizes --format table box/a.pdf");
  EXPECT_EQ(table.out, "1 file(s) found\nTotal Pages : 3\nPage Sizes : A4: 2, Letter: 1\n");
  // Sizes that are not of the pages counted (the root's /Count says 3, its tree lists 2)
  // are none at all, so that they never add up to another total; the sum says whose
  // pages are of unknown size.
  const std::string twoListed = test::MakePdfWithBoxes({"0 0 595.28 841.89", "0 0 595.28 841.89"});
  tree.Write("odd/c.pdf", twoListed.substr(0, twoListed.find("/Count 2")) + "/Count 3" +
                              twoListed.substr(twoListed.find("/Count 2") + 8));
  const Outcome odd = RunCount(tree, "--page-sizes --format json odd");
  EXPECT_NE(odd.out.find("\"pages\":3,\"error\":false,\"reason\":null,\"page_sizes\":null}"), std::string::npos)
      << odd.out;
  EXPECT_TRUE(odd.out.ends_with("\"totalPages\":3,\"cancelled\":false,\"page_sizes\":{\"Unknown\":3}}\n")) << odd.out;
  EXPECT_EQ(RunCount(tree, "-q --page-sizes --format table odd box").out,
            "4 file(s) found\nTotal Pages : 8\nPage Sizes : A3: 1, A4: 2, Letter: 1, 210\u00D799 mm: 1, Unknown: 3\n");
  // Without the option nothing changes.
  EXPECT_EQ(RunCount(tree, "--format jsonl -q box").out.find("page_sizes"), std::string::npos);
}

}  // namespace
}  // namespace folidex
