#include <gtest/gtest.h>

#include <string>

#include "core/pdf/ByteSource.h"
#include "core/pdf/FastPageCounter.h"
#include "core/pdf/PageCounter.h"
#include "support/PageCounts.h"
#include "support/StreamPdf.h"
#include "support/TempTree.h"
#include "support/TestPdf.h"

namespace folidex {
namespace {

using Kind = CountFailure::Kind;
using test::FailureKind;
using test::MakePdf;
using test::QpdfRewrite;
using test::TempTree;

PageCount CountFile(const TempTree& tree, const std::string& name) {
  const std::string bytes = tree.Read(name);
  return CountPagesFast(MemoryByteSource(bytes));
}

TEST(EncryptedFile, TheFastReaderDecryptsEveryRevisionThatOpensWithTheEmptyPassword) {
  TempTree tree;
  const std::string plain = tree.Write("plain.pdf", MakePdf(30, 4));
  const struct {
    const char* name;
    const char* options;
  } kinds[] = {
      {"r2-rc4-40.pdf", "--encrypt '' owner 40 --"},
      {"r3-rc4-128.pdf", "--encrypt '' owner 128 --"},
      {"r4-rc4-128.pdf", "--encrypt '' owner 128 --force-V4 --"},
      {"r4-aes-128.pdf", "--encrypt '' owner 128 --use-aes=y --"},
      {"r4-aes-128-clear-metadata.pdf", "--encrypt '' owner 128 --use-aes=y --cleartext-metadata --"},
      {"r5-aes-256.pdf", "--encrypt '' owner 256 --force-R5 --"},
      {"r6-aes-256.pdf", "--encrypt '' owner 256 --"},
  };
  for (const auto& [name, options] : kinds) {
    // The page tree lies in object streams, which are encrypted.
    ASSERT_TRUE(
        QpdfRewrite(plain, tree.Path(name), std::string("--allow-weak-crypto --object-streams=generate ") + options))
        << name;
    EXPECT_EQ(CountFile(tree, name), PageCount(30)) << name;
  }
}

TEST(EncryptedFile, AnAes256FileWhosePermissionsAreDamagedIsOpenedByItsPassword) {
  TempTree tree;
  const std::string plain = tree.Write("plain.pdf", MakePdf(5));
  for (const char* revision : {"--force-R5", ""}) {
    ASSERT_TRUE(QpdfRewrite(plain, tree.Path("aes.pdf"),
                            std::string("--object-streams=generate --encrypt '' owner 256 ") + revision + " --"));
    std::string bytes = tree.Read("aes.pdf");
    const std::size_t permissions = bytes.find("/Perms <");
    ASSERT_NE(permissions, std::string::npos);
    bytes[permissions + 8] = bytes[permissions + 8] == '0' ? '1' : '0';
    EXPECT_EQ(CountPagesFast(MemoryByteSource(bytes)), PageCount(5)) << revision;
  }
}

TEST(EncryptedFile, AUserPasswordKeepsTheFileClosedWhereItsPageTreeIsEncrypted) {
  TempTree tree;
  const std::string plain = tree.Write("plain.pdf", MakePdf(12, 3));
  for (const char* bits : {"40", "128", "256"}) {
    const std::string name = std::string("locked-") + bits + ".pdf";
    ASSERT_TRUE(QpdfRewrite(
        plain, tree.Path(name),
        std::string("--allow-weak-crypto --object-streams=generate --encrypt secret owner ") + bits + " --"));
    const PageCount locked(CountFailure{Kind::Encrypted, "needs a password"});
    EXPECT_EQ(CountFile(tree, name), locked) << name;
    EXPECT_EQ(CountPages(tree.Path(name)), locked) << name;
  }
  // Without object streams the tree's numbers and references are in clear, and counted.
  ASSERT_TRUE(
      QpdfRewrite(plain, tree.Path("locked-loose.pdf"), "--object-streams=disable --encrypt secret owner 256 --"));
  EXPECT_EQ(CountPages(tree.Path("locked-loose.pdf")), PageCount(12));
}

TEST(EncryptedFile, StreamsUnderTheIdentityFilterNeedNoKey) {
  test::StreamPdf packed = test::PackedTree(2, {2});
  // Strings are encrypted with AES, streams not at all; /O and /U open nothing.
  const std::string dictionary =
      "/Encrypt << /Filter /Standard /V 4 /R 4 /Length 128 /CF << /StdCF << /CFM /AESV2 >> >> /StrF /StdCF "
      "/O <00> /U <00> /P -4 /StmF ";
  packed.xrefStreamExtra = dictionary + "/Identity >>";
  EXPECT_EQ(CountPagesFast(MemoryByteSource(packed.Build(1))), PageCount(2));
  packed.xrefStreamExtra = dictionary + "/StdCF >>";
  EXPECT_EQ(FailureKind(CountPagesFast(MemoryByteSource(packed.Build(1)))), Kind::Encrypted);
}

TEST(EncryptedFile, OffsetsCountFromAHeaderThatFollowsJunk) {
  TempTree tree;
  const std::string plain = tree.Write("plain.pdf", MakePdf(7, 2));
  ASSERT_TRUE(QpdfRewrite(plain, tree.Path("packed.pdf"), "--object-streams=generate --encrypt '' owner 256 --"));
  const std::string junk = "From: scanner@example.org\r\nSubject: scan\r\n\r\n" + std::string(300, '\0');
  for (const char* name : {"plain.pdf", "packed.pdf"}) {
    const std::string bytes = junk + tree.Read(name);
    EXPECT_EQ(CountPagesFast(MemoryByteSource(bytes)), PageCount(7)) << name;
  }
  // Offsets that count from the start of the file, junk included, are read as they are.
  const std::string prefix = "junk\n";
  std::string absolute = prefix + MakePdf(1);
  const std::size_t startxref = absolute.rfind("startxref\n") + 10;
  const std::string moved = std::to_string(std::stoul(absolute.substr(startxref)) + prefix.size());
  absolute.replace(startxref, absolute.find('\n', startxref) - startxref, moved);
  for (std::size_t at = absolute.find("xref\n0 ") + 7; (at = absolute.find(" 00000 n", at)) != std::string::npos;
       ++at) {
    const std::size_t entry = at - 10;
    char offset[11];
    std::snprintf(offset, sizeof offset, "%010lu", std::stoul(absolute.substr(entry, 10)) + prefix.size());
    absolute.replace(entry, 10, offset);
  }
  EXPECT_EQ(CountPagesFast(MemoryByteSource(absolute)), PageCount(1));
}

}  // namespace
}  // namespace folidex
