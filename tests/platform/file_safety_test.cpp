// Saves through links and crashes, and reads that refuse what is no data file.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "temp_dir.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> namesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(nv::toFsPath(folder)))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

TEST(FileSafety, SavingThroughASymbolicLinkUpdatesItsTargetAndKeepsTheLink) {
  nvtest::TempDir dir;
  fs::create_directory(nv::toFsPath(dir.file("shared")));
  const std::string target = dir.file("shared/NV.nv");
  nvtest::writeBytes(target, "old");
  ::chmod(nv::toFsPath(target).c_str(), 0640);
  const std::string link = dir.file("NV.nv");
  fs::create_symlink("shared/NV.nv", nv::toFsPath(link));  // relative, as people make them
  ASSERT_TRUE(nv::writeFileAtomic(link, "new"));
  EXPECT_TRUE(fs::is_symlink(nv::toFsPath(link)));
  EXPECT_EQ(nvtest::readBytes(target), "new");
  EXPECT_EQ(fs::status(nv::toFsPath(target)).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  // A link whose target is not there yet: the target is made.
  const std::string dangling = dir.file("NV_ADD.nv");
  fs::create_symlink(nv::toFsPath(dir.file("shared/NV_ADD.nv")), nv::toFsPath(dangling));
  ASSERT_TRUE(nv::writeFileAtomic(dangling, "added"));
  EXPECT_TRUE(fs::is_symlink(nv::toFsPath(dangling)));
  EXPECT_EQ(nvtest::readBytes(dir.file("shared/NV_ADD.nv")), "added");
  EXPECT_EQ(namesIn(dir.file("shared")), (std::vector<std::string>{"NV.nv", "NV_ADD.nv"}));
}

TEST(FileSafety, ACrashWhileSavingLeavesTheOldFileAndNoTemporaryOne) {
  nvtest::TempDir dir;
  const std::string path = dir.file("NV.nv");
  nvtest::writeBytes(path, "old");
  const pid_t child = ::fork();
  if (child == 0) {
    // The file-size limit kills the process in the middle of its write, as a crash would.
    const rlimit noCore{0, 0}, small{4096, 4096};
    ::setrlimit(RLIMIT_CORE, &noCore);
    ::setrlimit(RLIMIT_FSIZE, &small);
    nv::writeFileAtomic(path, std::string(1 << 20, 'x'));
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(nvtest::readBytes(path), "old");
  EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"NV.nv"});
}

TEST(FileSafety, OnlyRegularFilesOfAPlausibleSizeAreRead) {
  nvtest::TempDir dir;
  std::string out = "stale";
  // A FIFO nobody writes to must not block the reader.
  const std::string fifo = dir.file("NV_ADD.nv");
  ASSERT_EQ(::mkfifo(nv::toFsPath(fifo).c_str(), 0600), 0);
  ::alarm(20);  // a reader that blocks ends the test program instead of hanging it
  EXPECT_FALSE(nv::readFile(fifo, out));
  ::alarm(0);
  EXPECT_TRUE(out.empty());
  EXPECT_FALSE(nv::readFile("/dev/zero", out));
  EXPECT_FALSE(nv::readFile(dir.path(), out));
  // Past the cap (a sparse file: nothing is written).
  const std::string huge = dir.file("NV.nv");
  nvtest::writeBytes(huge, "x");
  fs::resize_file(nv::toFsPath(huge), nv::kMaxDataFileBytes + 1);
  EXPECT_FALSE(nv::readFile(huge, out));
  fs::resize_file(nv::toFsPath(huge), 3);
  ASSERT_TRUE(nv::readFile(huge, out));
  EXPECT_EQ(out, std::string("x\0\0", 3));
}

namespace {

// Runs `save` where the folder takes no new files but the file is writable: as an ordinary
// user a folder without write permission; as the administrator (who may write anywhere) a
// child process that becomes "nobody" in a folder it does not own. The result is save's.
nv::SaveStatus inReadOnlyFolder(const std::string& folder,
                                const std::function<nv::SaveStatus()>& save) {
  if (::geteuid() != 0) {
    ::chmod(nv::toFsPath(folder).c_str(), 0555);
    const nv::SaveStatus s = save();
    ::chmod(nv::toFsPath(folder).c_str(), 0755);
    return s;
  }
  ::chmod(nv::toFsPath(nv::folderOf(folder)).c_str(), 0755);
  const pid_t child = ::fork();
  if (child == 0) {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(100);
    ::_exit(int(save()));
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) < 3 ? nv::SaveStatus(WEXITSTATUS(status))
                                                      : nv::SaveStatus::Failed;
}

}  // namespace

TEST(FileSafety, TheFourEdgesOfASave) {
  nvtest::TempDir dir;
  // A save killed between naming its temporary and renaming it left a complete hidden copy:
  // the next save of that file removes it, and nothing else.
  const std::string box = dir.file("box.nvub");
  nvtest::writeBytes(box, "old");
  nvtest::writeBytes(dir.file(".box.nvub.~Ab3xY9"), "stale");
  nvtest::writeBytes(dir.file(".box.nvub.backup"), "mine");
  nvtest::writeBytes(dir.file(".other.nvub.~Ab3xY9"), "another file's");
  ASSERT_EQ(nv::saveFile(box, "new"), nv::SaveStatus::Ok);
  EXPECT_EQ(namesIn(dir.path()),
            (std::vector<std::string>{".box.nvub.backup", ".other.nvub.~Ab3xY9", "box.nvub"}));

  // Names up to the file system's limit save; the temporary's name is cut to fit, never
  // inside a character (83 kana are 249 bytes on disk).
  std::string kana;
  for (int i = 0; i < 83; ++i) kana += "あ";
  for (const std::string& name :
       {std::string(244, 'n') + ".nvub", std::string(250, 'n') + ".nvub", kana + ".nvub"}) {
    ASSERT_EQ(nv::saveFile(dir.file(name), "long"), nv::SaveStatus::Ok) << name.size();
    EXPECT_EQ(nvtest::readBytes(dir.file(name)), "long");
    nv::removeFile(dir.file(name));
  }

  // A FIFO or a device named as the file (also through a link) is no file to replace: the
  // save fails and leaves it, even for the administrator, who may rename over anything.
  const std::string fifo = dir.file("fifo.nvub"), link = dir.file("link.nvub");
  ASSERT_EQ(::mkfifo(nv::toFsPath(fifo).c_str(), 0600), 0);
  ASSERT_EQ(::symlink("fifo.nvub", nv::toFsPath(link).c_str()), 0);
  for (const std::string& path : {fifo, link}) {
    EXPECT_EQ(nv::saveFile(path, "new"), nv::SaveStatus::Failed) << path;
    struct stat st {};
    EXPECT_EQ(::stat(nv::toFsPath(path).c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode)) << path;
  }
  nv::removeFile(link);
  nv::removeFile(fifo);

  // A write-protected file is refused with the reason, and left as it was.
  ::chmod(nv::toFsPath(box).c_str(), 0444);
  EXPECT_EQ(nv::saveFile(box, "newer"), nv::SaveStatus::ReadOnly);
  EXPECT_EQ(nvtest::readBytes(box), "new");
  EXPECT_EQ(nv::saveFailureText(box, nv::SaveStatus::ReadOnly),
            box + "\n" + nv::sj("上書きしようとしているファイルが書き込み禁止になっています。"));
  EXPECT_EQ(nv::saveFailureText(box, nv::SaveStatus::Failed), box);

  // A writable file in a folder that takes no new files is rewritten in place; when that
  // write fails half-way, the old contents are put back.
  const std::string shared = dir.file("shared");
  fs::create_directory(nv::toFsPath(shared));
  const std::string data = shared + "/NV_ADD.nv";
  nvtest::writeBytes(data, std::string(100, 'o'));
  ::chmod(nv::toFsPath(data).c_str(), 0666);
  EXPECT_EQ(inReadOnlyFolder(shared, [&] { return nv::saveFile(data, "short"); }),
            nv::SaveStatus::Ok);
  EXPECT_EQ(nvtest::readBytes(data), "short");
  EXPECT_EQ(inReadOnlyFolder(shared,
                             [&] {
                               const rlimit small{4096, 4096};
                               ::signal(SIGXFSZ, SIG_IGN);
                               ::setrlimit(RLIMIT_FSIZE, &small);
                               return nv::saveFile(data, std::string(1 << 20, 'x'));
                             }),
            nv::SaveStatus::Failed);
  EXPECT_EQ(nvtest::readBytes(data), "short");
  EXPECT_EQ(namesIn(shared), std::vector<std::string>{"NV_ADD.nv"});
}
