#include <gtest/gtest.h>
#include <sys/stat.h>

#include <map>
#include <set>

#include "core/about/PathRegistry.h"
#include "core/about/SystemInformation.h"
#include "support/TempTree.h"

namespace folidex {
namespace {

class FakeRegistry : public Registry {
 public:
  void Put(std::string_view key, std::string_view name, RegistryValue value) {
    values_[std::string{key}][std::string{name}] = std::move(value);
  }
  bool HasKey(std::string_view root, std::string_view key) const override {
    return root == kRegistryRoot && values_.count(std::string{key}) > 0;
  }
  std::optional<RegistryValue> Query(std::string_view, std::string_view key, std::string_view name) const override {
    const auto& values = values_.at(std::string{key});
    const auto found = values.find(std::string{name});
    if (found == values.end()) return std::nullopt;
    return found->second;
  }

 private:
  std::map<std::string, std::map<std::string, RegistryValue>> values_;
};

TEST(GetKeyValue, DropsAStringsTerminatingZeroOnlyWhenItIsThere) {
  FakeRegistry registry;
  registry.Put("k", "with", {kRegistryString, std::string("C:\\x.exe\0", 9)});
  registry.Put("k", "without", {kRegistryString, "C:\\x.exe"});
  registry.Put("k", "number", {kRegistryNumber, std::string("\x05\x10\x00\x80", 4)});
  registry.Put("k", "binary", {3, "\x01\x02"});
  registry.Put("k", "huge", {kRegistryString, std::string(1025, 'a')});
  std::string text = "before";
  EXPECT_TRUE(GetKeyValue(registry, kRegistryRoot, "k", "with", text));
  EXPECT_EQ(text, "C:\\x.exe");
  EXPECT_TRUE(GetKeyValue(registry, kRegistryRoot, "k", "without", text));
  EXPECT_EQ(text, "C:\\x.exe");
  EXPECT_TRUE(GetKeyValue(registry, kRegistryRoot, "k", "number", text));
  EXPECT_EQ(text, "2147487749");  // 0x80001005, read as its true value
  text = "kept";
  EXPECT_TRUE(GetKeyValue(registry, kRegistryRoot, "k", "binary", text));
  EXPECT_EQ(text, "kept");
  EXPECT_FALSE(GetKeyValue(registry, kRegistryRoot, "k", "huge", text));
  EXPECT_EQ(text, "");
  text = "x";
  EXPECT_FALSE(GetKeyValue(registry, kRegistryRoot, "k", "missing", text));
  EXPECT_EQ(text, "");
  text = "x";
  EXPECT_FALSE(GetKeyValue(registry, kRegistryRoot, "no key", "with", text));
  EXPECT_EQ(text, "");
}

struct Launches {
  std::vector<std::string> started;
  std::set<std::string> existing;
  bool startSucceeds = true;
  SystemInfoServices Services() {
    return {[this](const std::string& path) { return existing.count(path) > 0; },
            [this](const std::string& command) {
              started.push_back(command);
              return startSucceeds && existing.count(command) > 0;
            }};
  }
};

TEST(StartSysInfo, TheRegisteredPathWinsEvenWhenItNamesNoProgram) {
  FakeRegistry registry;
  registry.Put(kProgramPathKey, kProgramPathValue, {kRegistryString, std::string("/opt/info\0", 10)});
  registry.Put(kProgramFolderKey, kProgramFolderValue, {kRegistryString, "/tools"});
  Launches launches;
  launches.existing = {"/opt/info", "/tools/MSINFO32.EXE"};
  EXPECT_TRUE(StartSysInfo(registry, launches.Services()));
  EXPECT_EQ(launches.started, std::vector<std::string>{"/opt/info"});

  launches.existing.erase("/opt/info");
  launches.started.clear();
  EXPECT_FALSE(StartSysInfo(registry, launches.Services()));
  EXPECT_EQ(launches.started, std::vector<std::string>{"/opt/info"});  // the folder is not tried
}

TEST(StartSysInfo, TheFolderIsUsedOnlyWhenItHoldsTheProgram) {
  FakeRegistry registry;
  registry.Put(kProgramFolderKey, kProgramFolderValue, {kRegistryString, "/tools"});
  Launches launches;
  EXPECT_FALSE(StartSysInfo(registry, launches.Services()));
  EXPECT_TRUE(launches.started.empty());
  launches.existing = {"/tools/MSINFO32.EXE"};
  EXPECT_TRUE(StartSysInfo(registry, launches.Services()));
  EXPECT_EQ(launches.started, std::vector<std::string>{"/tools/MSINFO32.EXE"});

  FakeRegistry empty;
  EXPECT_FALSE(StartSysInfo(empty, launches.Services()));
}

TEST(StartSysInfo, APathOfAnotherTypeGivesAnEmptyCommandThatFails) {
  FakeRegistry registry;
  registry.Put(kProgramPathKey, kProgramPathValue, {7, "a\0b\0"});
  registry.Put(kProgramFolderKey, kProgramFolderValue, {kRegistryString, "/tools"});
  Launches launches;
  launches.existing = {"/tools/MSINFO32.EXE"};
  EXPECT_FALSE(StartSysInfo(registry, launches.Services()));
  EXPECT_TRUE(launches.started.empty());
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
  EXPECT_FALSE(GetKeyValue(registry, kRegistryRoot, kProgramFolderKey, kProgramFolderValue, program));

  const PathRegistry nothing(tree.Path("missing"));
  EXPECT_FALSE(GetKeyValue(nothing, kRegistryRoot, kProgramPathKey, kProgramPathValue, program));
}

}  // namespace
}  // namespace folidex
