#include <gtest/gtest.h>
#include <sys/stat.h>

#include <map>

#include "core/about/PathRegistry.h"
#include "core/about/SystemInformation.h"
#include "support/TempTree.h"

namespace folidex {
namespace {

class FakeRegistry : public Registry {
 public:
  void Put(std::string_view key, std::string_view name, std::string value) {
    values_[std::string{key}][std::string{name}] = std::move(value);
  }
  bool HasKey(std::string_view root, std::string_view key) const override {
    return root == kRegistryRoot && values_.count(std::string{key}) > 0;
  }
  std::optional<std::string> Query(std::string_view, std::string_view key, std::string_view name) const override {
    const auto& values = values_.at(std::string{key});
    const auto found = values.find(std::string{name});
    if (found == values.end()) return std::nullopt;
    return found->second;
  }

 private:
  std::map<std::string, std::map<std::string, std::string>> values_;
};

TEST(GetKeyValue, ReadsValuesUpToTheBufferSize) {
  FakeRegistry registry;
  registry.Put("k", "path", "/opt/info");
  registry.Put("k", "full", std::string(1024, 'a'));
  registry.Put("k", "huge", std::string(1025, 'a'));
  std::string text = "before";
  EXPECT_TRUE(GetKeyValue(registry, kRegistryRoot, "k", "path", text));
  EXPECT_EQ(text, "/opt/info");
  EXPECT_TRUE(GetKeyValue(registry, kRegistryRoot, "k", "full", text));
  EXPECT_EQ(text.size(), 1024u);
  EXPECT_FALSE(GetKeyValue(registry, kRegistryRoot, "k", "huge", text));
  EXPECT_EQ(text, "");
  text = "x";
  EXPECT_FALSE(GetKeyValue(registry, kRegistryRoot, "k", "missing", text));
  EXPECT_EQ(text, "");
  text = "x";
  EXPECT_FALSE(GetKeyValue(registry, kRegistryRoot, "no key", "path", text));
  EXPECT_EQ(text, "");
}

TEST(StartSysInfo, TheRegisteredPathIsStartedEvenWhenItNamesNoProgram) {
  std::vector<std::string> started;
  bool startSucceeds = true;
  const StartProgramFunction start = [&](const std::string& path) {
    started.push_back(path);
    return startSucceeds;
  };
  FakeRegistry registry;
  registry.Put(kProgramPathKey, kProgramPathValue, "/opt/info");
  EXPECT_TRUE(StartSysInfo(registry, start));
  startSucceeds = false;
  EXPECT_FALSE(StartSysInfo(registry, start));
  EXPECT_EQ(started, (std::vector<std::string>{"/opt/info", "/opt/info"}));

  FakeRegistry empty;
  EXPECT_FALSE(StartSysInfo(empty, start));
  FakeRegistry blank;
  blank.Put(kProgramPathKey, kProgramPathValue, "");
  EXPECT_FALSE(StartSysInfo(blank, start));
  EXPECT_EQ(started.size(), 2u);
}

TEST(PathRegistry, AnswersWithTheFirstKnownProgramOnThePath) {
  test::TempTree tree;
  const auto install = [&](const std::string& relative) {
    const std::string path = tree.Write(relative, "#!/bin/sh\n");
    ASSERT_EQ(chmod(path.c_str(), 0755), 0);
  };
  install("late/gnome-system-monitor");
  install("early/hardinfo");
  tree.Write("early/kinfocenter", "not executable");
  const PathRegistry registry(tree.Path("missing") + ":" + tree.Path("early") + "::" + tree.Path("late"));
  std::string program;
  EXPECT_TRUE(GetKeyValue(registry, kRegistryRoot, kProgramPathKey, kProgramPathValue, program));
  EXPECT_EQ(program, tree.Path("late/gnome-system-monitor"));

  const PathRegistry nothing(tree.Path("missing"));
  EXPECT_FALSE(GetKeyValue(nothing, kRegistryRoot, kProgramPathKey, kProgramPathValue, program));
}

}  // namespace
}  // namespace folidex
