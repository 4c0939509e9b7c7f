// The snapshot file's layout, DOS stamps and the builder's names.
#include "setup/model/file_tree.h"

#include <gtest/gtest.h>

#include "byte_builder.h"
#include "platform/ini.h"
#include "setup/model/builder.h"
#include "setup/model/maker_settings.h"

namespace {
using nvtest::Bytes;

TEST(FileTree, SnapshotLayoutMatchesHandBuiltBytes) {
  nv::setup::TBrCaFolder root;
  root.files.push_back({"/s/NV", 0x348F4BC0, 1});
  auto bmp = std::make_unique<nv::setup::TBrCaFolder>();
  bmp->path = "/s/bmp/";
  bmp->files.push_back({"/s/bmp/a.bmp", 7, 0});
  root.children.push_back(std::move(bmp));
  auto str = [](Bytes& b, const std::string& s) { b.i32(int32_t(s.size())).raw(s); };
  Bytes b;
  b.i32(1);    // one root
  str(b, "");  // root path
  b.i32(1).i32(1).i32(0x348F4BC0);
  str(b, "/s/NV");
  b.i32(1).i32(1);  // has children, one child
  str(b, "/s/bmp/");
  b.i32(1).i32(0).i32(7);
  str(b, "/s/bmp/a.bmp");
  b.i32(0);  // no children
  EXPECT_EQ(nv::setup::writeSnapshot(root), b.str());

  auto back = nv::setup::readSnapshot(b.str());
  ASSERT_TRUE(back);
  EXPECT_EQ(nv::setup::writeSnapshot(*back), b.str());
  // Any non-zero changed flag reads as 1.
  std::string odd = b.str();
  odd[12] = 5;
  ASSERT_TRUE(nv::setup::readSnapshot(odd));
  EXPECT_EQ(nv::setup::readSnapshot(odd)->files[0].changed, 1);
}

TEST(FileTree, DamagedSnapshotsAreRejected) {
  std::string good = nv::setup::writeSnapshot(nv::setup::TBrCaFolder{});
  EXPECT_TRUE(nv::setup::readSnapshot(good));
  EXPECT_FALSE(nv::setup::readSnapshot(good.substr(0, good.size() - 1)));
  EXPECT_FALSE(nv::setup::readSnapshot(Bytes().i32(1).i32(-5).str()));
  EXPECT_FALSE(nv::setup::readSnapshot(Bytes().i32(0x7FFFFFFF).str()));
  EXPECT_FALSE(nv::setup::readSnapshot(Bytes().i32(1).i32(0).i32(0x40000000).str()));
  EXPECT_FALSE(nv::setup::readSnapshot(good + "x"));
}

TEST(FileTree, DosStampsAreUtcAndTheBuildNameAddsNineHours) {
  // 23:30:10 UTC on 31 March 2006.
  int64_t t = 1143847810;
  int32_t stamp = nv::setup::dosStampFromUnix(t);
  EXPECT_EQ(uint32_t(stamp) >> 16, (26u << 9) | (3u << 5) | 31u);
  EXPECT_EQ(uint32_t(stamp) & 0xFFFF, (23u << 11) | (30u << 5) | 5u);
  EXPECT_EQ(nv::setup::unixFromDosStamp(stamp), t);
  EXPECT_EQ(nv::setup::datedName("NVA", nv::setup::buildTime(stamp)), "NVA20060401_0830");
}
}  // namespace

namespace {
// Settings read are the settings written back: a value ends where the writer would cut it.
TEST(MakerSettings, ValuesReadAsTheyAreWrittenBack) {
  nv::Ini ini;
  ini.parse(std::string("[MainForm]\r\nSrc=/src\r\nLzh=/out\rx\r\n[HaihuFiles]\r\nMax=2\r\n"
                        "i0n=*.bmp\r\ni0c=1\r\ni1n=read") +
            '\0' + "me\r\ni1c=0\r\n");
  nv::setup::MakerSettings s;
  s.read(ini);
  EXPECT_EQ(s.lzh, "/out");
  ASSERT_EQ(s.patterns.size(), 2u);
  EXPECT_EQ(s.patterns[1].first, "read");
  nv::Ini written;
  s.write(written);
  nv::Ini again;
  again.parse(written.bytes());
  nv::setup::MakerSettings back;
  back.read(again);
  EXPECT_EQ(back.lzh, s.lzh);
  EXPECT_EQ(back.patterns, s.patterns);
  EXPECT_EQ(s.checkedPatterns(), std::vector<std::string>{"*.bmp"});
}
}  // namespace
