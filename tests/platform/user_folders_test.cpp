#include "platform/user_folders.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "env_var.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "temp_dir.h"

namespace {

// A program folder, a home and a config home, each a fresh folder.
struct UserFolders : ::testing::Test {
  nvtest::TempDir program, home;
  std::string previousFolder = nv::programFolder();
  nvtest::EnvVar homeVar{"HOME", home.path().c_str()};
  nvtest::EnvVar configVar{"XDG_CONFIG_HOME", nullptr};
  UserFolders() { nv::setProgramFolder(program.path()); }
  ~UserFolders() override { nv::setProgramFolder(previousFolder); }
  void markPackaged() { nvtest::writeBytes(nv::joinPath(program.path(), "packaged"), "x\n"); }
  std::string configNuvelta() const { return home.path() + "/.config/Nuvelta"; }
};

TEST_F(UserFolders, WritableProgramFolderKeepsEverythingBesideTheProgram) {
  EXPECT_TRUE(nv::programFolderWritable());
  EXPECT_EQ(nv::iniFilePath(), program.path() + "/NV.ini");
  EXPECT_EQ(nv::defaultAddFilePath(), program.path() + "/NV_ADD.nv");
  EXPECT_FALSE(std::filesystem::exists(configNuvelta()));
}

TEST_F(UserFolders, PackagedFolderSendsSettingsToTheConfigFolderAndNeverWritesBesideProgram) {
  markPackaged();
  EXPECT_FALSE(nv::programFolderWritable());
  EXPECT_EQ(nv::iniFilePath(), configNuvelta() + "/NV.ini");
  EXPECT_EQ(nv::defaultAddFilePath(), configNuvelta() + "/NV_ADD.nv");
  EXPECT_TRUE(std::filesystem::is_directory(configNuvelta()));

  // A settings round trip lands in the config folder; the program folder holds only the mark.
  nv::Ini ini(nv::iniFilePath());
  ASSERT_TRUE(ini.writeInteger("MainForm", "Left", 42));
  ASSERT_TRUE(ini.save());
  EXPECT_EQ(nv::Ini(nv::iniFilePath()).readInteger("MainForm", "Left", 0), 42);
  int entries = 0;
  for (const auto& e : std::filesystem::directory_iterator(program.path())) {
    EXPECT_EQ(e.path().filename(), "packaged");
    ++entries;
  }
  EXPECT_EQ(entries, 1);
}

TEST_F(UserFolders, ConfigHomeFollowsXdgConfigHomeUnlessRelative) {
  markPackaged();
  nvtest::TempDir config;
  {
    nvtest::EnvVar set("XDG_CONFIG_HOME", config.path().c_str());
    EXPECT_EQ(nv::iniFilePath(), config.path() + "/Nuvelta/NV.ini");
  }
  {
    nvtest::EnvVar relative("XDG_CONFIG_HOME", "relative/config");
    EXPECT_EQ(nv::iniFilePath(), configNuvelta() + "/NV.ini");
  }
}

TEST_F(UserFolders, ConvertedDataFilesOfAnInstalledProgramLiveInTheDataFolder) {
  nvtest::EnvVar data("XDG_DATA_HOME", nullptr);
  const std::string shipped = program.path() + "/NV.nv";
  const std::string elsewhere = home.path() + "/school/NV.nv";
  // A writable program folder takes its own files.
  EXPECT_EQ(nv::dataFileForWriting(shipped), shipped);
  EXPECT_EQ(nv::dataFileForReading(shipped), shipped);

  markPackaged();
  const std::string user = home.path() + "/.local/share/Nuvelta/NV.nv";
  EXPECT_EQ(nv::dataFileForReading(shipped), shipped);             // nothing converted yet
  EXPECT_FALSE(std::filesystem::exists(home.path() + "/.local"));  // reading makes no folder
  EXPECT_EQ(nv::dataFileForWriting(shipped), user);
  EXPECT_TRUE(std::filesystem::is_directory(home.path() + "/.local/share/Nuvelta"));
  nvtest::writeBytes(user, "converted");
  EXPECT_EQ(nv::dataFileForReading(shipped), user);
  EXPECT_EQ(nv::dataFileForReading(program.path() + "/NV.nvb"), program.path() + "/NV.nvb");
  // A file the teacher keeps elsewhere is no program file.
  EXPECT_EQ(nv::dataFileForWriting(elsewhere), elsewhere);
  EXPECT_EQ(nv::dataFileForReading(elsewhere), elsewhere);

  nvtest::TempDir dataHome;
  nvtest::EnvVar set("XDG_DATA_HOME", dataHome.path().c_str());
  EXPECT_EQ(nv::dataFileForWriting(program.path() + "/NV.nvb"),
            dataHome.path() + "/Nuvelta/NV.nvb");
}

TEST_F(UserFolders, UnwritableProgramFolderCountsAsInstalled) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes everywhere";
  ASSERT_EQ(chmod(program.path().c_str(), 0555), 0);
  EXPECT_FALSE(nv::programFolderWritable());
  EXPECT_EQ(nv::iniFilePath(), configNuvelta() + "/NV.ini");
  chmod(program.path().c_str(), 0755);
}

}  // namespace
