// Installing and uninstalling: the rules, and the command line on a temporary home folder.
// Every uninstall here runs inside a temporary folder, never on a real one.
#include "setup/model/install.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <filesystem>
#include <thread>

#include "lzh_test_util.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "setup/lzh/archiver.h"
#include "setup/lzh/lzh_reader.h"
#include "setup/lzh/lzh_writer.h"
#include "setup/lzh/safe_remove.h"
#include "setup/lzh/sfx.h"
#include "setup/model/install_manifest.h"
#include "setup/model/uninstall_plan.h"
#include "temp_dir.h"

namespace {
namespace fs = std::filesystem;
using Outcome = nv::setup::InstallResult::Outcome;
using nv::setup::FolderProblem;
using nvtest::put;
using nvtest::readBytes;
using nvtest::runShell;
using nvtest::TempDir;

class MemoryStore : public nv::setup::InstallDirStore {
 public:
  std::string read() const override { return value; }
  void write(const std::string& f) override { value = f; }
  void remove() override { value.clear(); }
  std::string value;
};

std::string distribution(const std::string& nv, const std::string& about = "about") {
  return nv::lzh::encodeArchive({{"NV", false, nv, 0, 0755},
                                 {"about.txt", false, about, 0, 0644},
                                 {"bmp", true, {}, 0, 0755},
                                 {"bmp/a.bmp", false, std::string(999, 'b'), 0, 0644},
                                 {"z.dat", false, nvtest::randomBytes(64, 1), 0, 0644}});
}

// The archive with a CRC error in its last member (stored as it is, random bytes).
std::string withBadCrc(std::string archive) {
  archive[archive.size() - 10] ^= 0x01;
  return archive;
}

std::string selfExtracting(TempDir& dir, const std::string& name, const std::string& archive) {
  put(dir.file("sfx.lzh"), archive);
  nv::lzh::setSfxStubPath(NV_SFX_STUB_PATH);
  EXPECT_EQ(nv::lzh::makeSelfExtracting(dir.file("sfx.lzh"), dir.file(name)), 0);
  nv::lzh::setSfxStubPath("");
  return dir.file(name);
}

size_t entriesIn(const std::string& folder) {
  return size_t(std::distance(fs::directory_iterator(nv::toFsPath(folder)), {}));
}

TEST(Install, TheFolderIsStoredAbsoluteAndOnlyAfterAWholeInstall) {
  TempDir dir;
  const std::string home = dir.file("home");
  fs::create_directories(nv::toFsPath(home));
  put(dir.file("NVA1.LZH"), distribution("prog"));
  MemoryStore store;

  // A relative folder is taken from the working folder and stored with its '/'.
  const fs::path before = fs::current_path();
  fs::current_path(nv::toFsPath(dir.path()));
  std::string folder = "rel";
  nv::setup::InstallResult r =
      nv::setup::installDistribution(dir.file("NVA1.LZH"), folder, store, home);
  fs::current_path(before);
  EXPECT_EQ(r.outcome, Outcome::Installed);
  EXPECT_EQ(folder, dir.file("rel") + "/");
  EXPECT_EQ(store.value, folder);
  EXPECT_EQ(readBytes(dir.file("rel/NV")), "prog");
  folder = "~/inst";  // typed as in a shell
  EXPECT_EQ(nv::setup::installDistribution(dir.file("NVA1.LZH"), folder, store, home).outcome,
            Outcome::Installed);
  EXPECT_EQ(folder, home + "/inst/");

  // Refused folders: nothing is extracted and nothing stored.
  const struct {
    std::string folder;
    FolderProblem problem;
  } refused[] = {{"", FolderProblem::Empty},         {"/", FolderProblem::Root},
                 {home, FolderProblem::HomeOrAbove}, {home + "/", FolderProblem::HomeOrAbove},
                 {"~", FolderProblem::HomeOrAbove},  {dir.path(), FolderProblem::HomeOrAbove}};
  for (const auto& c : refused) {
    std::string f = c.folder;
    r = nv::setup::installDistribution(dir.file("NVA1.LZH"), f, store, home);
    EXPECT_EQ(r.outcome, Outcome::Refused) << c.folder;
    EXPECT_EQ(r.problem, c.problem) << c.folder;
    EXPECT_FALSE(nv::setup::installFailureText(r, f).empty());
  }
  EXPECT_FALSE(nv::fileExists(home + "/NV"));
  EXPECT_EQ(store.value, home + "/inst/");

  // A self-extracting program is extracted here, execute bit or not.
  std::string run = selfExtracting(dir, "NVA2.run", distribution("two"));
  ::chmod(nv::toFsPath(run).c_str(), 0644);
  folder = dir.file("runinst");
  EXPECT_EQ(nv::setup::installDistribution(run, folder, store, home).outcome, Outcome::Installed);
  EXPECT_EQ(readBytes(dir.file("runinst/NV")), "two");
  EXPECT_EQ(store.value, dir.file("runinst") + "/");

  // A damaged one installs nothing and leaves the stored folder where it was.
  std::string bad = selfExtracting(dir, "NVA3.run", withBadCrc(distribution("three")));
  folder = dir.file("badinst");
  r = nv::setup::installDistribution(bad, folder, store, home);
  EXPECT_EQ(r.outcome, Outcome::Failed);
  EXPECT_EQ(r.code, 0x800C);
  EXPECT_FALSE(fs::exists(nv::toFsPath(dir.file("badinst"))));
  EXPECT_EQ(store.value, dir.file("runinst") + "/");
  put(dir.file("plain.run"), "#!/bin/sh\n");
  EXPECT_EQ(nv::setup::installDistribution(dir.file("plain.run"), folder, store, home).code,
            0x801B);
  EXPECT_EQ(nv::setup::installDistribution(dir.file("none.lzh"), folder, store, home).outcome,
            Outcome::Missing);
}

// A reinstall over a running NV completes; a damaged one leaves the previous program whole.
TEST(Install, AReinstallReplacesABusyProgramOrLeavesThePreviousOne) {
  TempDir dir;
  std::string sleeper;
  ASSERT_TRUE(nv::readFile("/bin/sleep", sleeper));
  put(dir.file("v1.lzh"), distribution(sleeper, "one"));
  put(dir.file("v2.lzh"), distribution("#!/bin/sh\n", "two"));
  put(dir.file("v3.lzh"), withBadCrc(distribution("#!/bin/sh\n", "three")));
  MemoryStore store;
  std::string folder = dir.file("inst");
  ASSERT_EQ(
      nv::setup::installDistribution(dir.file("v1.lzh"), folder, store, dir.file("home")).outcome,
      Outcome::Installed);
  std::string pid;
  ASSERT_EQ(runShell("'" + folder + "NV' 30 >/dev/null 2>&1 & echo $!", &pid), 0);
  ::usleep(200 * 1000);
  nv::setup::InstallResult r =
      nv::setup::installDistribution(dir.file("v2.lzh"), folder, store, dir.file("home"));
  runShell("kill " + pid);
  EXPECT_EQ(r.outcome, Outcome::Installed) << r.code;
  EXPECT_EQ(readBytes(folder + "NV"), "#!/bin/sh\n");
  EXPECT_EQ(readBytes(folder + "about.txt"), "two");

  r = nv::setup::installDistribution(dir.file("v3.lzh"), folder, store, dir.file("home"));
  EXPECT_EQ(r.outcome, Outcome::Failed);
  EXPECT_EQ(readBytes(folder + "about.txt"), "two");
  EXPECT_EQ(entriesIn(folder),
            5u);  // NV, about.txt, bmp, z.dat and the record: no work folder left

  // A second install into the folder waits until the first is done with it.
  put(dir.file("v4.lzh"), distribution("#!/bin/sh\n", "four"));
  const int lock = ::open(nv::toFsPath(folder).c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_EQ(::flock(lock, LOCK_EX), 0);
  std::string again = folder;
  std::thread second([&] {
    r = nv::setup::installDistribution(dir.file("v4.lzh"), again, store, dir.file("home"));
  });
  ::usleep(300 * 1000);
  EXPECT_EQ(readBytes(folder + "about.txt"), "two");
  ::close(lock);
  second.join();
  EXPECT_EQ(r.outcome, Outcome::Installed);
  EXPECT_EQ(readBytes(folder + "about.txt"), "four");

  // A record that cannot be written (a full disk; here a folder in its place) stops the
  // install before anything is placed.
  std::string blocked = dir.file("blocked");
  fs::create_directories(nv::toFsPath(blocked + "/" + nv::setup::kManifestName));
  r = nv::setup::installDistribution(dir.file("v4.lzh"), blocked, store, dir.file("home"));
  EXPECT_EQ(r.code, 0x8013);
  EXPECT_EQ(entriesIn(blocked), 1u);

  // A record planted as a link (in a shared folder) is replaced, never written through, and
  // never read as the record.
  std::string linked = dir.file("linked");
  put(dir.file("victim.txt"), "mine");
  fs::create_directories(nv::toFsPath(linked));
  fs::create_symlink(nv::toFsPath(dir.file("victim.txt")),
                     nv::toFsPath(linked + "/" + nv::setup::kManifestName));
  nv::setup::InstallManifest none;
  EXPECT_FALSE(nv::setup::loadManifest(linked + "/", none));
  r = nv::setup::installDistribution(dir.file("v4.lzh"), linked, store, dir.file("home"));
  EXPECT_EQ(r.outcome, Outcome::Installed);
  EXPECT_EQ(readBytes(dir.file("victim.txt")), "mine");
  EXPECT_FALSE(fs::is_symlink(nv::toFsPath(linked + nv::setup::kManifestName)));
  ASSERT_TRUE(nv::setup::loadManifest(linked, none));
  EXPECT_EQ(none.files.size(), 4u);
}

// Uninstall removes what the install recorded and nothing else; home, its parent, "/", a link
// and a folder without a record of its own are refused.
TEST(Install, UninstallRemovesExactlyWhatTheInstallRecorded) {
  TempDir dir;
  const std::string home = dir.file("home");
  const std::string docs = home + "/Documents/";
  put(docs + "lesson.txt", "mine");
  put(docs + "bmp/mine.bmp", "mine");
  put(dir.file("NVA1.lzh"), distribution("prog"));
  MemoryStore store;
  const std::atomic<bool> go{false};
  std::string folder = docs;
  ASSERT_EQ(nv::setup::installDistribution(dir.file("NVA1.lzh"), folder, store, home).outcome,
            Outcome::Installed);
  folder = home + "/Morivale";
  ASSERT_EQ(nv::setup::installDistribution(dir.file("NVA1.lzh"), folder, store, home).outcome,
            Outcome::Installed);

  nv::setup::UninstallPlan plan = nv::setup::planUninstall(docs, home);
  ASSERT_EQ(plan.problem, FolderProblem::None);
  EXPECT_TRUE(nv::setup::removeInstalled(plan, go));
  EXPECT_EQ(readBytes(docs + "lesson.txt"), "mine");
  EXPECT_EQ(readBytes(docs + "bmp/mine.bmp"), "mine");
  EXPECT_FALSE(nv::fileExists(docs + "NV"));
  EXPECT_FALSE(nv::fileExists(docs + "bmp/a.bmp"));
  EXPECT_EQ(entriesIn(docs), 2u);  // lesson.txt and bmp/, the record gone too
  // The work folder of an install that was killed is the installer's own: it goes too.
  put(home + "/Morivale/.nvsetup-work-Ab12Cd/NV", "half");
  plan = nv::setup::planUninstall(home + "/Morivale/", home);
  ASSERT_EQ(plan.problem, FolderProblem::None);
  EXPECT_TRUE(nv::setup::removeInstalled(plan, go));
  EXPECT_FALSE(fs::exists(nv::toFsPath(home + "/Morivale")));  // the install made it

  // What cannot be deleted (here a folder where a recorded file was) is told, not called
  // done: the record keeps it, and the next uninstall finishes once it is out of the way.
  folder = home + "/Morivale";
  ASSERT_EQ(nv::setup::installDistribution(dir.file("NVA1.lzh"), folder, store, home).outcome,
            Outcome::Installed);
  fs::remove(nv::toFsPath(folder + "bmp/a.bmp"));
  put(folder + "bmp/a.bmp/x", "x");
  plan = nv::setup::planUninstall(folder, home);
  nv::setup::RemoveResult removed = nv::setup::removeInstalled(plan, go);
  EXPECT_FALSE(removed);
  EXPECT_EQ(removed.left, std::vector<std::string>{"bmp/a.bmp"});
  EXPECT_FALSE(nv::fileExists(folder + "NV"));
  nv::setup::InstallManifest rest;
  ASSERT_TRUE(nv::setup::loadManifest(folder, rest));
  EXPECT_EQ(rest.files, removed.left);
  EXPECT_EQ(rest.folders, plan.manifest.folders);
  EXPECT_EQ(nv::cp932ToUtf8(nv::setup::leftFilesText(folder, removed.left)),
            "1 個のファイルを削除できませんでした。\n" + folder +
                "bmp/a.bmp\nもう一度アンインストールすると、残りを削除します。");
  const std::vector<std::string> many{"a", "b", "c", "d", "e", "f", "g"};
  EXPECT_EQ(nv::cp932ToUtf8(nv::setup::leftFilesText("/i/", many)),
            "7 個のファイルを削除できませんでした。\n/i/a\n/i/b\n/i/c\n/i/d\n/i/e\nほか 2 "
            "個\nもう一度アンインストールすると、残りを削除します。");
  fs::remove_all(nv::toFsPath(folder + "bmp/a.bmp"));
  plan = nv::setup::planUninstall(folder, home);
  ASSERT_EQ(plan.problem, FolderProblem::None);
  EXPECT_TRUE(nv::setup::removeInstalled(plan, go));
  EXPECT_FALSE(fs::exists(nv::toFsPath(home + "/Morivale")));

  // A record is read as a list of names inside its folder, never of paths beyond it.
  folder = dir.file("other/inst");
  ASSERT_EQ(nv::setup::installDistribution(dir.file("NVA1.lzh"), folder, store, home).outcome,
            Outcome::Installed);
  put(dir.file("other/outside.txt"), "mine");
  nv::setup::InstallManifest m;
  ASSERT_TRUE(nv::setup::loadManifest(folder, m));
  m.files.push_back("../outside.txt");
  put(folder + nv::setup::kManifestName, nv::setup::manifestText(m));
  // The same record in another folder describes that other folder, not this one.
  put(dir.file("copy/NV"), "x");
  put(dir.file("copy/") + nv::setup::kManifestName, nv::setup::manifestText(m));
  // Saved again with CR LF line ends (an editor on another system), it reads the same.
  std::string crlf;
  for (char c : nv::setup::manifestText(m))
    crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  put(folder + nv::setup::kManifestName, crlf);
  plan = nv::setup::planUninstall(folder, home);
  EXPECT_EQ(plan.problem, FolderProblem::None);
  EXPECT_EQ(plan.manifest.files.size(), 4u);
  EXPECT_TRUE(nv::setup::removeInstalled(plan, go));
  EXPECT_FALSE(nv::fileExists(folder + "NV"));
  EXPECT_EQ(readBytes(dir.file("other/outside.txt")), "mine");

  // A link as the install folder, with the separator the window stores.
  folder = dir.file("real");
  ASSERT_EQ(nv::setup::installDistribution(dir.file("NVA1.lzh"), folder, store, home).outcome,
            Outcome::Installed);
  fs::create_directory_symlink(nv::toFsPath(dir.file("real")), nv::toFsPath(dir.file("NVlink")));
  EXPECT_EQ(folder, dir.file("real") + "/");
  put(dir.file("empty/NV"), "x");
  const struct {
    std::string folder;
    FolderProblem problem;
  } refused[] = {{home + "/", FolderProblem::HomeOrAbove},
                 {dir.path() + "/", FolderProblem::HomeOrAbove},
                 {"/", FolderProblem::Root},
                 {dir.file("NVlink") + "/", FolderProblem::Link},
                 {dir.file("empty") + "/", FolderProblem::NoRecord},
                 {dir.file("copy") + "/", FolderProblem::OtherFolder},
                 {"Morivale/", FolderProblem::NoRecord}};
  for (const auto& c : refused) {
    plan = nv::setup::planUninstall(c.folder, home);
    EXPECT_EQ(plan.problem, c.problem) << c.folder;
    EXPECT_FALSE(nv::setup::removeInstalled(plan, go));
    EXPECT_FALSE(nv::setup::folderProblemText(plan.problem, plan.folder, true).empty());
  }
  EXPECT_TRUE(nv::fileExists(dir.file("real/NV")));
  // Removing the link by its name with a trailing separator removes the link, never its target.
  EXPECT_TRUE(nv::lzh::removeTree(nv::toFsPath(dir.file("NVlink") + "/").native()));
  EXPECT_FALSE(fs::exists(fs::symlink_status(nv::toFsPath(dir.file("NVlink")))));
  EXPECT_TRUE(nv::fileExists(dir.file("real/about.txt")));

  // Two uninstalls at once (a folder the install made, one it found): the one that waited
  // finds the work done and says so. An install that ran in between is removed too.
  put(dir.file("NVA2.lzh"),
      nv::lzh::encodeArchive({{"NV", false, "v2", 0, 0755}, {"new.txt", false, "new", 0, 0644}}));
  put(dir.file("kept/mine.txt"), "mine");
  for (const std::string& f : {dir.file("made"), dir.file("kept")}) {
    folder = f;
    ASSERT_EQ(nv::setup::installDistribution(dir.file("NVA1.lzh"), folder, store, home).outcome,
              Outcome::Installed);
    const nv::setup::UninstallPlan first = nv::setup::planUninstall(folder, home);
    const nv::setup::UninstallPlan second = nv::setup::planUninstall(folder, home);
    ASSERT_EQ(nv::setup::installDistribution(dir.file("NVA2.lzh"), folder, store, home).outcome,
              Outcome::Installed);
    EXPECT_TRUE(nv::setup::removeInstalled(first, go)) << f;
    EXPECT_FALSE(nv::fileExists(folder + "new.txt")) << f;
    removed = nv::setup::removeInstalled(second, go);
    EXPECT_TRUE(removed) << f;
    EXPECT_TRUE(removed.left.empty()) << f;
  }
  EXPECT_EQ(readBytes(dir.file("kept/mine.txt")), "mine");
  EXPECT_EQ(entriesIn(dir.file("kept")), 1u);
}

#ifdef NV_SETUP_PATH
// The whole round on a temporary home through the command line.
TEST(InstallCommandLine, InstallAssociateUninstallOnATemporaryHome) {
  std::string setup = NV_SETUP_PATH;
  if (setup.empty()) GTEST_SKIP();
  TempDir dir;
  std::string home = dir.file("home");
  fs::create_directories(nv::toFsPath(home));
  put(dir.file("NVA20060401_0830.lzh"), distribution("#!/bin/sh\n"));
  std::string env = "env -i PATH=/usr/bin:/bin HOME='" + home + "' XDG_CONFIG_HOME='" + home +
                    "/.config' XDG_DATA_HOME='" + home + "/.local/share' XDG_CACHE_HOME='" + home +
                    "/.cache' QT_QPA_PLATFORM=offscreen '" + setup + "' ";
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
  EXPECT_EQ(out,
            "nvsetup: --uninstall はインストールしたプログラムを削除します。よければ --yes "
            "を付けてください。\n");
  ASSERT_EQ(runShell(env + "--uninstall --yes 2>&1", &out), 0) << out;
  EXPECT_FALSE(fs::exists(nv::toFsPath(home + "/Morivale")));
  EXPECT_FALSE(nv::fileExists(conf));
  EXPECT_FALSE(fs::exists(nv::toFsPath(home + "/.config/Pellora")));
  EXPECT_FALSE(nv::fileExists(home + "/.local/share/mime/packages/NuveltaFile.xml"));
  EXPECT_FALSE(nv::fileExists(home + "/.local/share/applications/NuveltaFile.desktop"));
  EXPECT_FALSE(nv::fileExists(home + "/.config/mimeapps.list"));
  EXPECT_TRUE(fs::exists(nv::toFsPath(home)));
  // A list of default programs that cannot be read (here a FIFO, which would also hold the
  // command for good) is left as it is, never rewritten or removed.
  ASSERT_EQ(::mkfifo(nv::toFsPath(home + "/.config/mimeapps.list").c_str(), 0600), 0);
  EXPECT_EQ(runShell("timeout 20 " + env + "--associate off 2>&1", &out), 0) << out;
  EXPECT_TRUE(fs::is_fifo(nv::toFsPath(home + "/.config/mimeapps.list")));
  fs::remove(nv::toFsPath(home + "/.config/mimeapps.list"));
  // With nothing installed the commands say so in the user's language.
  const struct {
    const char* arguments;
    int status;
    std::string said;
  } told[] = {{"--uninstall --yes", 1,
               "nvsetup: インストールされていません（InstallDir の記録がありません）。\n"},
              {"--associate on", 1, "nvsetup: NV がインストールされていません。\n"},
              {"--build all", 2,
               "nvsetup: --build は、インストーラーと同じフォルダーに nvsetup.ini "
               "があるときだけ使えます。\n"},
              {"--bogus", 2,
               "使い方: nvsetup [--install FILE [--folder DIR]] [--uninstall --yes]\n"
               "                [--associate on|off] [--build all|changed] [--snapshot]\n"
               "                [--archiver \"COMMAND LINE\"]\n"
               "詳しくは 'nvsetup --help' を見てください。\n"}};
  for (const auto& t : told) {
    EXPECT_EQ(runShell(env + t.arguments + " 2>&1", &out), t.status) << t.arguments;
    EXPECT_EQ(out, t.said) << t.arguments;
  }

  // Files that could not be deleted fail the command, named, with the key and record kept.
  ASSERT_EQ(runShell(env + "--install '" + dir.file("NVA20060401_0830.lzh") + "' 2>&1", &out), 0)
      << out;
  fs::remove(nv::toFsPath(home + "/Morivale/about.txt"));
  put(home + "/Morivale/about.txt/mine", "mine");
  EXPECT_EQ(runShell(env + "--uninstall --yes 2>&1", &out), 1) << out;
  EXPECT_NE(out.find("1 個のファイルを削除できませんでした。\n" + home + "/Morivale/about.txt\n"),
            std::string::npos)
      << out;
  EXPECT_FALSE(nv::fileExists(home + "/Morivale/NV"));
  EXPECT_NE(readBytes(conf).find("InstallDir=" + home + "/Morivale/"), std::string::npos);
  fs::remove_all(nv::toFsPath(home + "/Morivale/about.txt"));
  ASSERT_EQ(runShell(env + "--uninstall --yes 2>&1", &out), 0) << out;
  EXPECT_FALSE(fs::exists(nv::toFsPath(home + "/Morivale")));
  EXPECT_FALSE(nv::fileExists(conf));

  // Into the documents folder and out again: the teacher's own file stays.
  put(home + "/Documents/lesson.txt", "mine");
  ASSERT_EQ(runShell(env + "--install '" + dir.file("NVA20060401_0830.lzh") + "' --folder '" +
                         home + "/Documents/' 2>&1",
                     &out),
            0)
      << out;
  ASSERT_EQ(runShell(env + "--uninstall --yes 2>&1", &out), 0) << out;
  EXPECT_EQ(readBytes(home + "/Documents/lesson.txt"), "mine");
  EXPECT_FALSE(nv::fileExists(home + "/Documents/NV"));

  // A file system mounted inside the install folder is never entered (where this may mount).
  if (runShell("unshare -m true 2>/dev/null") == 0) {
    ASSERT_EQ(runShell(env + "--install '" + dir.file("NVA20060401_0830.lzh") + "' --folder '" +
                           dir.file("m") + "' 2>&1",
                       &out),
              0)
        << out;
    put(dir.file("mount.sh"), "mount -t tmpfs none '" + dir.file("m/bmp") +
                                  "' || exit 9\necho mine > '" + dir.file("m/bmp/a.bmp") + "'\n" +
                                  env + "--uninstall --yes >/dev/null 2>&1\ncat '" +
                                  dir.file("m/bmp/a.bmp") + "'\n");
    if (runShell("unshare -m sh '" + dir.file("mount.sh") + "' 2>&1", &out) != 9) {
      EXPECT_EQ(out, "mine\n");
      EXPECT_FALSE(nv::fileExists(dir.file("m/NV")));
    }
    // A full disk is told as such, and nothing of the install stays on it.
    const std::string full = dir.file("full");
    put(dir.file("full.sh"), "mkdir '" + full + "' && mount -t tmpfs -o size=64k none '" + full +
                                 "' || exit 9\nhead -c 1M /dev/zero > '" + full +
                                 "/filler' 2>/dev/null\n" + env + "--install '" +
                                 dir.file("NVA20060401_0830.lzh") + "' --folder '" + full +
                                 "/inst' 2>&1\necho \"rc=$?\"\nls -A '" + full + "'\n");
    if (runShell("unshare -m sh '" + dir.file("full.sh") + "' 2>&1", &out) != 9) {
      EXPECT_EQ(out, "ディスクの空きが足りません。\nrc=1\nfiller\n");
    }
  }

  // The home folder as the install folder is refused with its reason; the home survives.
  put(home + "/keep.txt", "mine");
  put(home + "/NV", "x");
  put(home + "/.config/Pellora/Nuvelta.conf", "[General]\nInstallDir=" + home + "/\n");
  EXPECT_EQ(runShell(env + "--uninstall --yes 2>&1", &out), 1) << out;
  EXPECT_NE(out.find("ホームフォルダー"), std::string::npos) << out;
  EXPECT_TRUE(nv::fileExists(home + "/keep.txt"));
  EXPECT_TRUE(nv::fileExists(home + "/NV"));
  EXPECT_EQ(
      runShell(env + "--install '" + dir.file("NVA20060401_0830.lzh") + "' --folder '' 2>&1", &out),
      1);

  // Damaged archives fail with their text through the archiver and through an install; a
  // self-extracting one without its execute bit installs.
  std::string flipped = distribution("#!/bin/sh\n");
  flipped[32] ^= 0x04;  // inside the first member's stored name
  put(dir.file("flipped.lzh"), flipped);
  EXPECT_EQ(runShell(env + "--archiver 'x \"" + dir.file("flipped.lzh") + "\" \"" + dir.file("o") +
                         "\"' 2>&1",
                     &out),
            1);
  EXPECT_EQ(out.find("書庫のヘッダのチェックサムが合っていません"), 0u) << out;  // no caption
  std::string bad = selfExtracting(dir, "NVA_bad.run", withBadCrc(distribution("#!/bin/sh\n")));
  EXPECT_EQ(runShell(env + "--install '" + bad + "' --folder '" + dir.file("f") + "' 2>&1", &out),
            1);
  EXPECT_NE(out.find("格納ファイルのチェックサムが合っていません"), std::string::npos) << out;
  EXPECT_EQ(readBytes(home + "/.config/Pellora/Nuvelta.conf").find(dir.file("f")),
            std::string::npos);
  std::string good = selfExtracting(dir, "NVA_good.run", distribution("#!/bin/sh\n"));
  ::chmod(nv::toFsPath(good).c_str(), 0644);
  EXPECT_EQ(runShell(env + "--install '" + good + "' --folder '" + dir.file("g") + "' 2>&1", &out),
            0)
      << out;
  EXPECT_TRUE(nv::fileExists(dir.file("g/NV")));
}

// The maker's release routine: build all, mark the tree as released, later build what changed.
TEST(InstallCommandLine, ReleaseRoutineBuildsAllThenOnlyWhatChanged) {
  std::string setup = NV_SETUP_PATH;
  if (setup.empty()) GTEST_SKIP();
  TempDir dir;
  // A copy of the installer with a settings file beside it: maker mode.
  const std::string maker = dir.file("maker/nvsetup");
  put(maker, readBytes(setup));
  ::chmod(nv::toFsPath(maker).c_str(), 0755);
  const std::string src = dir.file("src"), out = dir.file("out");
  put(src + "/NV", "#!/bin/sh\n");
  put(src + "/bmp/a.bmp", std::string(5000, 'a'));
  auto settings = [&](const std::string& source) {
    put(dir.file("maker/nvsetup.ini"), "[MainForm]\nSrc=" + source + "\nLzh=" + out +
                                           "\nMain=\n[HaihuFiles]\nMax=1\ni0n=*.*\ni0c=1\n");
  };
  const std::string env = "env -i PATH=/usr/bin:/bin HOME='" + dir.file("home") +
                          "' NV_SFX_STUB='" + NV_SFX_STUB_PATH + "' '" + maker + "' ";
  auto members = [&](const char* prefix) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(nv::toFsPath(out))) {
      const std::string name = nv::fromFsPath(e.path().filename());
      uint64_t offset = 0;
      std::vector<nv::lzh::MemberInfo> list;
      if (name.rfind(prefix, 0) != 0 ||
          !nv::lzh::findAppendedArchive(nv::fromFsPath(e.path()), offset))
        continue;
      nv::lzh::listArchive({nv::fromFsPath(e.path()), offset}, list);
      for (const auto& m : list)
        if (!m.isFolder) names.push_back(m.name);
    }
    return names;
  };
  std::string text;
  settings("");
  EXPECT_EQ(runShell(env + "--build all 2>&1", &text), 2);
  EXPECT_NE(text.find("元の場所が指定されていません"), std::string::npos) << text;
  EXPECT_FALSE(fs::exists(nv::toFsPath(out)));
  settings(src);
  ASSERT_EQ(runShell(env + "--build all 2>&1", &text), 0) << text;
  EXPECT_EQ(members("NVA"), (std::vector<std::string>{"NV", "bmp/a.bmp"}));
  ASSERT_EQ(runShell(env + "--snapshot 2>&1", &text), 0) << text;
  EXPECT_TRUE(nv::fileExists(dir.file("maker/nvsetup.dat")));
  put(src + "/bmp/a.bmp", std::string(6000, 'b'));
  struct timeval later[2] = {{2000000000, 0}, {2000000000, 0}};
  ::utimes(nv::toFsPath(src + "/bmp/a.bmp").c_str(), later);
  ASSERT_EQ(runShell(env + "--build changed 2>&1", &text), 0) << text;
  EXPECT_EQ(members("NVS"), std::vector<std::string>{"bmp/a.bmp"});
  for (const auto& e : fs::directory_iterator(nv::toFsPath(out)))
    EXPECT_NE(e.path().extension(), ".txt") << e.path();  // no response file left
}
#endif
}  // namespace
