// Archives we write are read back by the system's lha (list, test, extract byte for byte)
// and by our own reader.
#include <gtest/gtest.h>

#include <filesystem>

#include "lzh_test_util.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "setup/lzh/archiver.h"
#include "setup/lzh/crc16.h"
#include "setup/lzh/lzh_reader.h"
#include "setup/lzh/lzh_writer.h"
#include "temp_dir.h"

namespace {
using nv::lzh::ArchiveMember;
using nvtest::put;
using nvtest::readBytes;
using nvtest::runShell;
using nvtest::TempDir;

bool haveLha() { return runShell("command -v lha >/dev/null 2>&1") == 0; }

struct Case {
  const char* name;
  std::string data;
};

std::vector<Case> samples() {
  std::string repetitive;
  for (int i = 0; i < 200000; ++i) repetitive += "abcabcabd"[i % 9];
  return {
      {"empty.bin", ""},
      {"one.bin", "x"},
      {"tiny.txt", "abcabcabc\n"},
      {"zeros.bin", std::string(100000, '\0')},
      {"repeat.txt", repetitive},
      {"random.bin", nvtest::randomBytes(70000, 7)},
      {"words.txt", nvtest::wordySample(300000, 3)},
      {"big.bin", nvtest::wordySample(5 << 20, 11) + nvtest::randomBytes(4096, 5)},
  };
}

TEST(LzhArchive, CrcMatchesTheKnownCheckValue) {
  EXPECT_EQ(nv::lzh::crc16("123456789", 9), 0xBB3D);
}

TEST(LzhArchive, SystemLhaListsTestsAndExtractsWhatWeWriteByteForByte) {
  if (!haveLha()) GTEST_SKIP() << "lha is not installed";
  TempDir dir;
  std::vector<ArchiveMember> members;
  members.push_back({"sub", true, {}, 1143847800, 0755});
  for (const Case& c : samples())
    members.push_back({std::string("sub/") + c.name, false, c.data, 1143847800, 0644});
  members.push_back({"run.sh", false, "#!/bin/sh\necho hi\n", 1143847800, 0755});
  std::string archive = dir.file("t.lzh");
  put(archive, nv::lzh::encodeArchive(members));

  std::string out;
  ASSERT_EQ(runShell("lha t '" + archive + "' 2>&1", &out), 0) << out;
  ASSERT_EQ(runShell("lha v '" + archive + "' 2>&1", &out), 0) << out;
  EXPECT_NE(out.find("-lh5-"), std::string::npos) << out;
  EXPECT_NE(out.find("-lh0-"), std::string::npos) << out;  // random data is stored
  std::string target = dir.file("lha");
  std::filesystem::create_directories(target);
  ASSERT_EQ(runShell("cd '" + target + "' && lha xq '" + archive + "' 2>&1", &out), 0) << out;
  for (const Case& c : samples()) EXPECT_EQ(readBytes(target + "/sub/" + c.name), c.data) << c.name;
  EXPECT_NE(std::filesystem::status(target + "/run.sh").permissions() &
                std::filesystem::perms::owner_exec,
            std::filesystem::perms::none);

  // Our reader through the archiver command agrees.
  std::string ours = dir.file("ours");
  ASSERT_TRUE(nv::lzh::runArchiverCommand("x \"" + archive + "\" \"" + ours + "\"").code == 0);
  for (const Case& c : samples()) EXPECT_EQ(readBytes(ours + "/sub/" + c.name), c.data) << c.name;
  EXPECT_EQ(
      std::filesystem::last_write_time(ours + "/sub/tiny.txt").time_since_epoch().count() != 0,
      true);
}

TEST(LzhArchive, RepetitiveDataShrinksAndRandomDataIsStored) {
  std::string zeros(100000, '\0');
  std::string packed = nv::lzh::encodeMember({"z", false, zeros, 0, 0644});
  EXPECT_LT(packed.size(), 2000u);
  EXPECT_EQ(packed.substr(2, 5), "-lh5-");
  std::string random = nvtest::randomBytes(5000, 1);
  std::string stored = nv::lzh::encodeMember({"r", false, random, 0, 0644});
  EXPECT_EQ(stored.substr(2, 5), "-lh0-");
  EXPECT_EQ(stored.substr(stored.size() - random.size()), random);
}

TEST(LzhArchive, HeaderIsLevelTwoWithValidHeaderCrcAndJapaneseNames) {
  std::string name = nv::sj("献立/表.txt");  // the second byte of 表 is 0x5C
  std::string m = nv::lzh::encodeMember({name, false, "data", 0x44CB6B38, 0644});
  size_t headerSize = uint8_t(m[0]) | uint8_t(m[1]) << 8;
  ASSERT_LT(headerSize, m.size());
  EXPECT_EQ(m[20], 2);              // level
  EXPECT_EQ(uint8_t(m[15]), 0x38);  // Unix time, little-endian
  EXPECT_NE(m.find(nv::sj("表.txt")), std::string::npos);
  EXPECT_NE(m.find(nv::sj("献立") + "\xFF"), std::string::npos);
  // Header CRC: the first extension; computed with its own field zeroed.
  std::string h = m.substr(0, headerSize);
  ASSERT_EQ(h[26], 0x00);
  uint16_t stored = uint8_t(h[27]) | uint8_t(h[28]) << 8;
  h[27] = h[28] = 0;
  EXPECT_EQ(nv::lzh::crc16(h.data(), h.size()), stored);

  TempDir dir;
  std::string archive = dir.file("jp.lzh");
  put(archive, nv::lzh::encodeArchive({{name, false, "data", 0, 0644}}));
  std::vector<nv::lzh::MemberInfo> members;
  ASSERT_EQ(nv::lzh::listArchive({archive, 0}, members).code, 0);
  ASSERT_EQ(members.size(), 1u);
  EXPECT_EQ(members[0].name, name);
  ASSERT_EQ(nv::lzh::extractArchive({archive, 0}, dir.path()).code, 0);
  EXPECT_EQ(readBytes(nv::joinPath(dir.path(), name)), "data");
}

TEST(LzhArchive, HostileNamesAreRefusedAndNothingLandsOutsideTheFolder) {
  TempDir dir;
  std::string target = dir.file("target");
  std::filesystem::create_directories(nv::toFsPath(target));
  // A link planted inside the target must not be followed by a later member.
  std::filesystem::create_directory_symlink(nv::toFsPath(dir.path()),
                                            nv::toFsPath(target + "/link"));
  std::string archive = dir.file("evil.lzh");
  put(archive, nv::lzh::encodeArchive({
                   {"../escape.txt", false, "x", 0, 0644},
                   {"a/../../escape2.txt", false, "x", 0, 0644},
                   {"link/escape3.txt", false, "x", 0, 0644},
                   {"good.txt", false, "fine", 0, 0644},
               }));
  nv::lzh::ArchiverResult r =
      nv::lzh::runArchiverCommand("x \"" + archive + "\" \"" + target + "\"");
  EXPECT_NE(r.code, 0);
  EXPECT_EQ(r.code, 0x8041);
  EXPECT_FALSE(r.refused.empty());
  EXPECT_FALSE(nv::fileExists(dir.file("escape.txt")));
  EXPECT_FALSE(nv::fileExists(dir.file("escape2.txt")));
  EXPECT_FALSE(nv::fileExists(dir.file("escape3.txt")));
  EXPECT_EQ(readBytes(target + "/good.txt"), "fine");

  EXPECT_FALSE(nv::lzh::isSafeMemberName("/etc/passwd"));
  EXPECT_FALSE(nv::lzh::isSafeMemberName(".."));
  EXPECT_TRUE(nv::lzh::isSafeMemberName("a..b/c"));
}

TEST(LzhArchive, DamagedArchivesGiveTheirCodesNotACrash) {
  TempDir dir;
  std::string good =
      nv::lzh::encodeArchive({{"w.txt", false, nvtest::wordySample(20000, 2), 0, 0644}});
  auto extract = [&](const std::string& bytes) {
    std::string archive = dir.file("d.lzh");
    put(archive, bytes);
    return nv::lzh::runArchiverCommand("x \"" + archive + "\" \"" + dir.file("out") + "\"").code;
  };
  EXPECT_EQ(extract("this is not an archive at all"), 0x801B);
  std::string flipped = good;
  flipped[flipped.size() / 2] ^= 0x55;
  EXPECT_NE(extract(flipped), 0);
  EXPECT_FALSE(nv::fileExists(dir.file("out/w.txt")));  // no half-written member left behind
  EXPECT_NE(extract(good.substr(0, good.size() / 2)), 0);
  EXPECT_EQ(
      nv::lzh::runArchiverCommand("x \"" + dir.file("missing.lzh") + "\" \"" + dir.path() + "\"")
          .code,
      0x8018);
}
}  // namespace
