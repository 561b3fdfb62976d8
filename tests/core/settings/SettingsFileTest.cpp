#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cstdlib>

#include "core/settings/SettingsFile.h"
#include "support/OrdinaryUser.h"
#include "support/TempTree.h"

namespace folidex {
namespace {

namespace fs = std::filesystem;
using test::RunAsOrdinaryUser;
using test::TempTree;

constexpr std::string_view kFailureText = "Error occured while reading setting parameters.\r\n\r\n";

struct Loaded {
  bool ok = false;
  AppSettings settings;
  std::string message;
};

Loaded LoadText(std::string_view text) {
  TempTree tree;
  Loaded loaded;
  loaded.ok = LoadSettings(tree.Write("Settings/Settings.ini", text), loaded.settings, loaded.message);
  return loaded;
}

const char kSavedFile[] =
    "[Grid]\r\nBackPicture=/pictures/paper.png\r\nStyle=12\r\nShow/Hide=0\r\nForeColor=255\r\n"
    "ForeColorSel=-2147483634\r\nBackColor=-2147483643\r\nBackColorSel=-2147483635\r\nGridColor=16711680\r\n"
    "[ColumnSetting]\r\nVisibility=1,0,1,1,1\r\n[General]\r\nStartupFolder=/home/me/papers\r\nExportLocation=\r\n";

AppSettings ChangedSettings() {
  AppSettings settings;
  settings.GridStyle = 12;
  settings.ShowGrid = 0;
  settings.ForeColor = 255;
  settings.GridColor = 0x00FF0000;
  settings.BackPicture = "/pictures/paper.png";
  settings.ColumnVisibility = {"1", "0", "1", "1", "1"};
  settings.StartupFolder = "/home/me/papers";
  return settings;
}

TEST(LoadSettings, MissingFolderFileOrKeysGiveTheDefaults) {
  TempTree tree;
  AppSettings settings = ChangedSettings();
  std::string message;
  ASSERT_TRUE(LoadSettings(tree.Root() / "Settings" / "Settings.ini", settings, message));
  EXPECT_EQ(settings, AppSettings{});
  // A file that cannot be read (here a folder in its place) is taken as missing.
  settings = ChangedSettings();
  ASSERT_TRUE(LoadSettings(tree.MakeFolder("Settings/Settings.ini"), settings, message));
  EXPECT_EQ(settings, AppSettings{});

  const Loaded onlyStyle = LoadText("[Grid]\r\nStyle=5\r\n");
  ASSERT_TRUE(onlyStyle.ok);
  AppSettings expected;
  expected.GridStyle = 5;
  EXPECT_EQ(onlyStyle.settings, expected);
}

TEST(LoadSettings, BadNumbersStopTheLoadWithAMessageNamingKeyAndValue) {
  const struct {
    const char* text;
    const char* key;
    const char* value;
    const char* kind;
  } cases[] = {
      {"[Grid]\nStyle=\n", "Style", "\"\"", "Type mismatch"},
      {"[Grid]\nStyle=ab\n", "Style", "\"ab\"", "Type mismatch"},
      {"[Grid]\nStyle=-1\n", "Style", "\"-1\"", "Overflow"},
      {"[Grid]\nShow/Hide=x\n", "Show/Hide", "\"x\"", "Type mismatch"},
      {"[Grid]\nForeColor=0x80\n", "ForeColor", "\"0x80\"", "Type mismatch"},
      {"[Grid]\nGridColor=2147483648\n", "GridColor", "\"2147483648\"", "Overflow"},
      // Cut to 17 characters first.
      {"[Grid]\nBackColor=-99999999999999999\n", "BackColor", "\"-9999999999999999\"", "Overflow"},
  };
  for (const auto& c : cases) {
    const Loaded loaded = LoadText(c.text);
    EXPECT_FALSE(loaded.ok) << c.text;
    EXPECT_TRUE(loaded.message.starts_with(kFailureText)) << loaded.message;
    const std::string description = loaded.message.substr(kFailureText.size());
    EXPECT_TRUE(description.starts_with(c.kind)) << description;
    EXPECT_NE(description.find(c.key), std::string::npos) << description;
    EXPECT_NE(description.find(c.value), std::string::npos) << description;
  }
}

TEST(LoadSettings, CutsValuesToTheirReadLimits) {
  const std::string picture = "/" + std::string(599, 'p');
  const Loaded loaded =
      LoadText("[Grid]\nStyle=123\nShow/Hide=2 \nForeColor=  -2147483640  \nBackPicture=" + picture + "\n");
  ASSERT_TRUE(loaded.ok) << loaded.message;
  EXPECT_EQ(loaded.settings.GridStyle, 12);
  EXPECT_EQ(loaded.settings.ShowGrid, 2);
  EXPECT_EQ(loaded.settings.ForeColor, -2147483640);
  EXPECT_EQ(loaded.settings.BackPicture, picture.substr(0, 499));

  // Blanks that the cut leaves at the end are removed.
  const std::string folder = "/" + std::string(497, 'f');
  EXPECT_EQ(LoadText("[General]\nStartupFolder=" + folder + " tail\n").settings.StartupFolder, folder);
}

TEST(LoadSettings, FollowsTheFileLookupRules) {
  const Loaded loaded = LoadText(
      "\xEF\xBB\xBFStyle=4\n  [ grid ]  \r\na line without an equals sign\n  style  =  9 \nStyle=3\n"
      "BackPicture=\"/with spaces/a.png\"\n[COLUMNSETTING]\nvisibility = 1,1,1,1,1,\n"
      "[General]\nStartupFolder='/home/me'\n[General]\nExportLocation=/second/section/ignored\n");
  ASSERT_TRUE(loaded.ok) << loaded.message;
  EXPECT_EQ(loaded.settings.GridStyle, 9);
  EXPECT_EQ(loaded.settings.BackPicture, "/with spaces/a.png");
  EXPECT_EQ(loaded.settings.ColumnVisibility, (std::vector<std::string>{"1", "1", "1", "1", "1", ""}));
  EXPECT_EQ(loaded.settings.StartupFolder, "/home/me");
  EXPECT_EQ(loaded.settings.ExportLocation, "");

  EXPECT_EQ(LoadText("[ColumnSetting]\nVisibility= 1, 0\n").settings.ColumnVisibility,
            (std::vector<std::string>{"1", " 0"}));
  EXPECT_TRUE(LoadText("[ColumnSetting]\nVisibility=\n").settings.ColumnVisibility.empty());
}

TEST(SaveSettings, FirstSaveWritesTheThreeSectionsInOrderAndLoadsBack) {
  TempTree tree;
  const fs::path file = tree.MakeFolder("Settings") + "/Settings.ini";
  std::string error;
  ASSERT_TRUE(SaveSettings(file, ChangedSettings(), error)) << error;
  EXPECT_EQ(test::FileBytes(file), kSavedFile);

  AppSettings loaded;
  std::string message;
  ASSERT_TRUE(LoadSettings(file, loaded, message)) << message;
  EXPECT_EQ(loaded, ChangedSettings());
}

TEST(SaveSettings, KeepsUnknownLinesAndReplacesValuesInPlace) {
  TempTree tree;
  const fs::path file = tree.Write("Settings/Settings.ini",
                                   "\xEF\xBB\xBF; my notes\n[General]\nExportLocation=/old\nTheme=dark\n\n"
                                   "[grid]\nstyle=3\n[Plugins]\nEnabled=no\n");
  AppSettings settings;
  settings.ExportLocation = "/new";
  std::string error;
  ASSERT_TRUE(SaveSettings(file, settings, error)) << error;
  EXPECT_EQ(test::FileBytes(file),
            "\xEF\xBB\xBF; my notes\r\n[General]\r\nExportLocation=/new\r\nTheme=dark\r\nStartupFolder=\r\n\r\n"
            "[grid]\r\nstyle=1\r\nBackPicture=\r\nShow/Hide=1\r\nForeColor=-2147483640\r\n"
            "ForeColorSel=-2147483634\r\nBackColor=-2147483643\r\nBackColorSel=-2147483635\r\n"
            "GridColor=-2147483633\r\n[Plugins]\r\nEnabled=no\r\n[ColumnSetting]\r\nVisibility=\r\n");
}

// A settings file saved before: a save that fails leaves it as it was, and alone in its folder.
class FailedSave : public ::testing::Test {
 protected:
  void TearDown() override {
    EXPECT_EQ(test::FileBytes(file), kSavedFile);
    EXPECT_EQ(test::FolderEntries(file.parent_path()), std::vector<std::string>{"Settings.ini"});
  }
  TempTree tree;
  const fs::path file = tree.Write("Settings/Settings.ini", kSavedFile);
};

TEST_F(FailedSave, ReadOnlyFolderFailsWithAReason) {
  ASSERT_EQ(chmod(tree.Path().c_str(), 0755), 0);
  ASSERT_EQ(chmod(file.c_str(), 0666), 0);  // the file may be written, its folder not
  ASSERT_EQ(chmod(file.parent_path().c_str(), 0555), 0);
  EXPECT_TRUE(RunAsOrdinaryUser([&] {
    std::string error;
    return !SaveSettings(file, AppSettings{}, error) && error.starts_with("Cannot create a file in") &&
           error.ends_with("Permission denied");
  }));
}

TEST_F(FailedSave, WriteFailingMidwayLeavesNoTemporaryFile) {
  AppSettings settings;
  settings.BackPicture = std::string(400, 'p');

  // Files may grow to 100 bytes only; the write then fails with EFBIG instead of a signal.
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  rlimit small = old;
  small.rlim_cur = 100;
  const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  std::string error;
  const bool saved = SaveSettings(file, settings, error);
  setrlimit(RLIMIT_FSIZE, &old);
  signal(SIGXFSZ, oldHandler);

  EXPECT_FALSE(saved);
  EXPECT_NE(error.find("File too large"), std::string::npos) << error;
}

TEST_F(FailedSave, ValuesWithLineBreaksAreRefused) {
  AppSettings settings;
  settings.StartupFolder = "/tmp/odd\n[Grid]\nStyle=ab";
  std::string error;
  EXPECT_FALSE(SaveSettings(file, settings, error));
  EXPECT_NE(error.find("StartupFolder"), std::string::npos) << error;
}

TEST(SettingsLocation, PortableFolderBesideTheExecutableElseTheUserFolder) {
  TempTree tree;
  const char* oldValue = std::getenv("XDG_CONFIG_HOME");
  const std::optional<std::string> oldConfig =
      oldValue != nullptr ? std::optional<std::string>(oldValue) : std::nullopt;
  setenv("XDG_CONFIG_HOME", tree.Path("config").c_str(), 1);
  const fs::path executableFolder = tree.MakeFolder("bin");
  const fs::path userFile = tree.Root() / "config" / "Folidex" / "Settings.ini";
  EXPECT_EQ(SettingsPath(executableFolder), userFile);

  // The user folder is created by the first save; a missing portable folder is not.
  std::string error;
  EXPECT_FALSE(SaveSettings(executableFolder / "Settings" / "Settings.ini", AppSettings{}, error));
  EXPECT_FALSE(fs::exists(executableFolder / "Settings"));
  ASSERT_TRUE(SaveSettings(SettingsPath(executableFolder), AppSettings{}, error)) << error;
  EXPECT_TRUE(fs::is_regular_file(userFile));

  fs::create_directory(executableFolder / "Settings");
  EXPECT_EQ(SettingsPath(executableFolder), executableFolder / "Settings" / "Settings.ini");

  // A relative XDG_CONFIG_HOME is invalid: the home's .config is used.
  setenv("XDG_CONFIG_HOME", "config", 1);
  EXPECT_TRUE(UserSettingsFolder().is_absolute()) << UserSettingsFolder();
  if (oldConfig) {
    setenv("XDG_CONFIG_HOME", oldConfig->c_str(), 1);
  } else {
    unsetenv("XDG_CONFIG_HOME");
  }
}

}  // namespace
}  // namespace folidex
