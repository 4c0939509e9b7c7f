// Saves through links and crashes, and reads that refuse what is no data file.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "platform/files.h"
#include "platform/paths.h"
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
