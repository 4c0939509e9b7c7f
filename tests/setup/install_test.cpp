// Installing and uninstalling: the rules, and the command line on a temporary home folder.
#include "setup/model/install.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "lzh_test_util.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "setup/lzh/archiver.h"
#include "setup/lzh/lzh_writer.h"
#include "temp_dir.h"

namespace {
using nvtest::put;
using nvtest::readBytes;
using nvtest::runShell;
using nvtest::TempDir;

class MemoryStore : public nv::InstallDirStore {
 public:
  std::string read() const override { return value; }
  void write(const std::string& f) override { value = f; }
  void remove() override { value.clear(); }
  std::string value;
};

std::string distribution(const std::string& nv) {
  return nv::lzh::encodeArchive({{"NV", false, nv, 0, 0755},
                                 {"bmp", true, {}, 0, 0755},
                                 {"bmp/a.bmp", false, std::string(999, 'b'), 0, 0644}});
}

TEST(Install, FolderGetsItsSlashAndTheExtensionDecidesHowToInstall) {
  TempDir dir;
  put(dir.file("NVA1.LZH"), distribution("prog"));
  put(dir.file("NVA1.run"), "x");
  MemoryStore store;
  std::vector<std::string> calls;
  nv::InstallSteps steps{[&](const std::string& l) {
                           calls.push_back("archiver " + l);
                           return true;
                         },
                         [&](const std::string& p, const std::string& a) {
                           calls.push_back("start " + p + " " + a);
                           return true;
                         }};
  std::string folder = dir.file("inst");
  EXPECT_EQ(nv::installDistribution(dir.file("NVA1.LZH"), folder, store, steps),
            nv::InstallOutcome::Extracted);
  EXPECT_EQ(folder, dir.file("inst") + "/");
  EXPECT_EQ(store.value, folder);
  EXPECT_EQ(calls.back(), "archiver x \"" + dir.file("NVA1.LZH") + "\" \"" + folder + "\"");
  EXPECT_EQ(nv::installDistribution(dir.file("NVA1.run"), folder, store, steps),
            nv::InstallOutcome::Started);
  EXPECT_EQ(calls.back(), "start " + dir.file("NVA1.run") + " -n \"" + folder + "\"");
  EXPECT_EQ(nv::installDistribution(dir.file("none.lzh"), folder, store, steps),
            nv::InstallOutcome::Missing);
}

TEST(Install, AFailedExtractionLeavesNoProgramThatLooksInstalled) {
  TempDir dir;
  std::string good = distribution("prog");
  // NV extracts, then the next member is broken.
  std::string broken = good.substr(0, good.size() - 6);
  put(dir.file("bad.lzh"), broken);
  MemoryStore store;
  std::string folder = dir.file("inst");
  nv::InstallSteps steps{
      [](const std::string& l) { return nv::lzh::runArchiverCommand(l).code == 0; }, nullptr};
  EXPECT_EQ(nv::installDistribution(dir.file("bad.lzh"), folder, store, steps),
            nv::InstallOutcome::Failed);
  EXPECT_FALSE(nv::fileExists(nv::mainProgramPath(folder)));
}

TEST(Install, UninstallOnlyDeletesAFolderHoldingTheInstalledProgram) {
  TempDir dir;
  std::string home = dir.file("home");
  put(home + "/Morivale/NV", "x");
  put(home + "/docs/a.txt", "x");
  EXPECT_TRUE(nv::mayUninstallFolder(home + "/Morivale/", home));
  EXPECT_FALSE(nv::mayUninstallFolder(home + "/docs/", home));
  EXPECT_FALSE(nv::mayUninstallFolder("", home));
  put(home + "/NV", "x");  // even with an NV in it, home itself is never deleted
  EXPECT_FALSE(nv::mayUninstallFolder(home + "/", home));
  EXPECT_FALSE(nv::mayUninstallFolder(home + "/Morivale/../", home));
  std::filesystem::create_directory(nv::toFsPath(home + "/Morivale/NVdir"));
  EXPECT_FALSE(nv::mayUninstallFolder(home + "/Morivale/NVdir/", home));
}

#ifdef NV_SETUP_PATH
// The whole round on a temporary HOME through the command line.
TEST(InstallCommandLine, InstallAssociateUninstallOnATemporaryHome) {
  std::string setup = NV_SETUP_PATH;
  if (setup.empty()) GTEST_SKIP();
  TempDir dir;
  std::string home = dir.file("home");
  std::filesystem::create_directories(nv::toFsPath(home));
  put(dir.file("NVA20060401_0830.lzh"), distribution("#!/bin/sh\n"));
  std::string env =
      "env -i PATH=/usr/bin:/bin HOME='" + home + "' QT_QPA_PLATFORM=offscreen '" + setup + "' ";
  std::string out;
  ASSERT_EQ(runShell(env + "--install '" + dir.file("NVA20060401_0830.lzh") + "' 2>&1", &out), 0)
      << out;
  EXPECT_TRUE(nv::fileExists(home + "/Morivale/NV"));
  EXPECT_TRUE(nv::fileExists(home + "/Morivale/bmp/a.bmp"));
  std::string conf = home + "/.config/Pellora/Nuvelta.conf";
  EXPECT_NE(readBytes(conf).find("InstallDir=" + home + "/Morivale/"), std::string::npos);

  ASSERT_EQ(runShell(env + "--associate on 2>&1", &out), 0) << out;
  EXPECT_TRUE(nv::fileExists(home + "/.local/share/mime/packages/NuveltaFile.xml"));
  std::string handler = readBytes(home + "/.local/share/applications/NuveltaFile.desktop");
  EXPECT_NE(handler.find("Exec=\"" + home + "/Morivale/NV\" %f"), std::string::npos);
  EXPECT_NE(handler.find("MimeType=application/x-nuvelta-file;"), std::string::npos);
  EXPECT_NE(readBytes(home + "/.config/mimeapps.list")
                .find("application/x-nuvelta-file=NuveltaFile.desktop"),
            std::string::npos);

  EXPECT_EQ(runShell(env + "--uninstall 2>&1", &out), 2);  // not without --yes
  ASSERT_EQ(runShell(env + "--uninstall --yes 2>&1", &out), 0) << out;
  EXPECT_FALSE(std::filesystem::exists(nv::toFsPath(home + "/Morivale")));
  EXPECT_FALSE(nv::fileExists(conf));
  EXPECT_FALSE(nv::fileExists(home + "/.local/share/mime/packages/NuveltaFile.xml"));
  EXPECT_FALSE(nv::fileExists(home + "/.local/share/applications/NuveltaFile.desktop"));
  EXPECT_FALSE(nv::fileExists(home + "/.config/mimeapps.list"));
  EXPECT_TRUE(std::filesystem::exists(nv::toFsPath(home)));

  // An install folder without NV is refused; the home folder survives.
  put(home + "/keep.txt", "mine");
  put(home + "/.config/Pellora/Nuvelta.conf", "[General]\nInstallDir=" + home + "/\n");
  EXPECT_EQ(runShell(env + "--uninstall --yes 2>&1", &out), 1) << out;
  EXPECT_TRUE(nv::fileExists(home + "/keep.txt"));

  // The archiver's own command line, and a damaged archive's code.
  put(dir.file("junk.lzh"), "junk");
  EXPECT_EQ(runShell(env + "--archiver 'x \"" + dir.file("junk.lzh") + "\" \"" + dir.file("o") +
                         "\"' 2>&1",
                     &out),
            1);
  EXPECT_NE(out.find("有効な LZH 書庫ではありません"), std::string::npos) << out;
}
#endif
}  // namespace
