// Paths that name files CP932 cannot spell.
#include "platform/paths.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files.h"
#include "platform/text.h"
#include "temp_dir.h"

namespace fs = std::filesystem;
using nv::sj;

TEST(Paths, EveryFileSystemNameRoundTrips) {
  // A Latin-1 byte, 🍙 and 〜 among them.
  const std::string names[] = {"café",   "데이터",           "menü.nvu",    "ｶﾌｪ 表ソ能",
                               "a\xE9z", "\xF0\x9F\x8D\x99", "plain/dir.x", "\xE3\x80\x9C"};
  for (const std::string& native : names) {
    const std::string held = nv::fromFsPath(fs::path(native));
    EXPECT_EQ(nv::toFsPath(held).native(), native);
  }
  // Names CP932 holds stay plain CP932, as stored paths and recent lists have them.
  EXPECT_EQ(nv::fromFsPath(fs::path("/home/表/ソース.nvu")), sj("/home/表/ソース.nvu"));
  // Escaped names show as their characters and keep their separators and extensions.
  const std::string cafe = nv::fromFsPath(fs::path("/home/café/menü.nvu"));
  EXPECT_EQ(nv::cp932ToUtf8(cafe), "/home/café/menü.nvu");
  EXPECT_EQ(nv::folderOf(cafe), nv::fromFsPath(fs::path("/home/café")));
  EXPECT_EQ(nv::cp932ToUtf8(nv::fileNameOf(cafe)), "menü.nvu");
  EXPECT_EQ(nv::cp932ToUtf8(nv::changeExtension(cafe, ".nvub")), "/home/café/menü.nvub");
  // A CP932 name from data joins such a folder.
  EXPECT_EQ(nv::toFsPath(nv::joinPath(nv::folderOf(cafe), sj("表.bmp"))).native(),
            "/home/café/表.bmp");
}

TEST(Paths, FilesUnderAFolderCp932CannotSpellAreReadAndWritten) {
  nvtest::TempDir dir;
  const fs::path native = nv::toFsPath(dir.path()) / "café" / "데이터";
  fs::create_directories(native);
  const std::string folder = nv::fromFsPath(native);
  const std::string file = nv::joinPath(folder, sj("献立.nvu"));
  ASSERT_TRUE(nv::writeFileAtomic(file, "menu"));
  EXPECT_TRUE(fs::is_regular_file(native / "献立.nvu"));
  EXPECT_TRUE(nv::fileExists(file));
  std::string back;
  ASSERT_TRUE(nv::readFile(file, back));
  EXPECT_EQ(back, "menu");
  EXPECT_TRUE(nv::removeFile(file));
  EXPECT_FALSE(fs::exists(native / "献立.nvu"));
}
