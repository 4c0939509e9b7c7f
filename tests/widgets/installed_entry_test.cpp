#include "platform/qt/installed_entry.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "env_var.h"
#include "platform/paths.h"
#include "temp_dir.h"

namespace {

// A packaged program folder, a system data folder holding the installed entry, and a user
// data folder holding a launcher the program wrote earlier (which must never be taken).
struct InstalledEntryTest : ::testing::Test {
  nvtest::TempDir program, system, user;
  std::string previousFolder = nv::programFolder();
  nvtest::EnvVar dirsVar{"XDG_DATA_DIRS", system.path().c_str()};
  nvtest::EnvVar homeVar{"XDG_DATA_HOME", user.path().c_str()};

  InstalledEntryTest() {
    nv::setProgramFolder(program.path());
    std::filesystem::create_directories(system.path() + "/applications");
    std::filesystem::create_directories(user.path() + "/applications");
    nvtest::writeBytes(user.path() + "/applications/Nuvelta.desktop",
                       "[Desktop Entry]\nExec=\"/old/copy/NV\" %f\n");
  }
  ~InstalledEntryTest() override { nv::setProgramFolder(previousFolder); }
  void install() {
    nvtest::writeBytes(program.path() + "/packaged", "x\n");
    nvtest::writeBytes(system.path() + "/applications/Nuvelta.desktop",
                       "[Desktop Entry]\nName=Nuvelta\nName[ja]=ja\nExec=nv %F\nIcon=nuvelta\n"
                       "MimeType=application/x-nuvelta-menu;\n"
                       "[Desktop Action Other]\nName=Other\nExec=nv --other\nIcon=other\n");
  }
};

TEST_F(InstalledEntryTest, PackagedProgramLaunchesAsTheInstalledEntryDoes) {
  install();
  nv::InstalledEntry entry;
  ASSERT_TRUE(nv::findInstalledEntry(entry));
  EXPECT_EQ(entry.exec, QStringLiteral("nv %F"));
  EXPECT_EQ(entry.icon, QStringLiteral("nuvelta"));
  // The entry itself under the launcher's name: file types and the action group stay.
  EXPECT_EQ(nv::installedLauncherText(QStringLiteral("NV")),
            QStringLiteral("[Desktop Entry]\nName=NV\nExec=nv %F\nIcon=nuvelta\n"
                           "MimeType=application/x-nuvelta-menu;\n"
                           "[Desktop Action Other]\nName=Other\nExec=nv --other\nIcon=other\n"));
}

TEST_F(InstalledEntryTest, CopiedProgramOrMissingEntryKeepsItsOwnLaunchers) {
  // An entry is installed, but the running copy is not the packaged one.
  install();
  std::filesystem::remove(program.path() + "/packaged");
  EXPECT_TRUE(nv::installedLauncherText(QStringLiteral("NV")).isEmpty());
  // Packaged, but only the user's own launcher exists.
  nvtest::writeBytes(program.path() + "/packaged", "x\n");
  std::filesystem::remove(system.path() + "/applications/Nuvelta.desktop");
  EXPECT_TRUE(nv::installedLauncherText(QStringLiteral("NV")).isEmpty());
}

}  // namespace
