// Archives we write are read back by the system's lha (list, test, extract byte for byte)
// and by our own reader.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "lzh_test_util.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "setup/lzh/archiver.h"
#include "setup/lzh/crc16.h"
#include "setup/lzh/lh5_encoder.h"
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
  // Fed in pieces of any size, the encoder codes exactly what it codes for the whole input
  // (past the point where it drops what lies behind its window).
  const std::string words = nvtest::wordySample(3 << 20, 9);
  std::string pieces;
  nv::lzh::Lh5Encoder encoder([&](const char* p, size_t n) { pieces.append(p, n); });
  const size_t sizes[] = {1, 7, 4093, 300001};
  for (size_t at = 0, i = 0; at < words.size(); at += sizes[i++ % 4])
    encoder.write(reinterpret_cast<const uint8_t*>(words.data()) + at,
                  std::min(sizes[i % 4], words.size() - at));
  encoder.finish();
  EXPECT_EQ(pieces,
            nv::lzh::encodeLh5(reinterpret_cast<const uint8_t*>(words.data()), words.size()));

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

// Extraction is all or nothing: what is refused or broken places no file at all.
TEST(LzhArchive, HostileNamesAreRefusedAndNothingLandsAnywhere) {
  TempDir dir;
  std::string target = dir.file("target");
  std::filesystem::create_directories(nv::toFsPath(target));
  // A link planted inside the target must not be followed by a later member.
  std::filesystem::create_directory_symlink(nv::toFsPath(dir.path()),
                                            nv::toFsPath(target + "/link"));
  auto extract = [&](const std::vector<ArchiveMember>& members) {
    put(dir.file("evil.lzh"), nv::lzh::encodeArchive(members));
    return nv::lzh::runArchiverCommand("x \"" + dir.file("evil.lzh") + "\" \"" + target + "\"");
  };
  nv::lzh::ArchiverResult r = extract({{"../escape.txt", false, "x", 0, 0644},
                                       {"a/../../escape2.txt", false, "x", 0, 0644},
                                       {"line\nbreak.txt", false, "x", 0, 0644},
                                       {"/.nvsetup-manifest", false, "x", 0, 0644},
                                       {"good.txt", false, "fine", 0, 0644}});
  EXPECT_EQ(r.code, 0x8041);
  EXPECT_EQ(r.refused.size(), 4u);
  r = extract({{"good.txt", false, "fine", 0, 0644}, {"link/escape3.txt", false, "x", 0, 0644}});
  EXPECT_EQ(r.code, 0x8012);
  EXPECT_FALSE(nv::fileExists(dir.file("escape.txt")));
  EXPECT_FALSE(nv::fileExists(dir.file("escape2.txt")));
  EXPECT_FALSE(nv::fileExists(dir.file("escape3.txt")));
  EXPECT_FALSE(nv::fileExists(target + "/good.txt"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(nv::toFsPath(target)), {}), 1);

  EXPECT_FALSE(nv::lzh::isSafeMemberName(".."));
  EXPECT_TRUE(nv::lzh::isSafeMemberName("a..b/c"));

  // What lands is never writable by others (an installed program they could replace),
  // whatever modes the archive gives; it stays runnable.
  put(dir.file("open.lzh"),
      nv::lzh::encodeArchive({{"open", true, {}, 0, 0777}, {"open/run", false, "x", 0, 0777}}));
  ASSERT_EQ(
      nv::lzh::runArchiverCommand("x \"" + dir.file("open.lzh") + "\" \"" + dir.file("open") + "\"")
          .code,
      0);
  for (const char* name : {"open/open", "open/open/run"}) {
    struct stat st;
    ASSERT_EQ(::stat(nv::toFsPath(dir.file(name)).c_str(), &st), 0) << name;
    EXPECT_EQ(st.st_mode & 0777, 0775u) << name;
  }
}

// Each damage gives its code, and the target is left as it was (no half install).
TEST(LzhArchive, DamagedArchivesGiveTheirCodesAndPlaceNothing) {
  TempDir dir;
  std::vector<ArchiveMember> members;
  for (int i = 0; i < 12; ++i)
    members.push_back(
        {"m" + std::to_string(i) + ".txt", false, nvtest::wordySample(3000, i), 0, 0644});
  const std::string good = nv::lzh::encodeArchive(members);
  const std::string eleven = nv::lzh::encodeArchive({members.begin(), members.begin() + 10});
  const size_t header11 = eleven.size() - 1;  // where the 11th member's header starts
  std::string flipped = good, badCrc = good;
  flipped[header11 + 33] ^= 0x04;    // inside the stored name
  badCrc[good.size() - 20] ^= 0x01;  // inside the last member's data
  // A member whose header claims 64 MiB from a few packed bytes: the decoder would go on
  // giving padding until the disk is full.
  auto claiming64MiB = [](const char* method, const std::string& packed) {
    std::string m = nvtest::handMember(0, "m0.txt", packed, "a", method);
    const uint32_t size = 64u << 20;
    for (int i = 0; i < 4; ++i) m[11 + i] = char(size >> (8 * i) & 0xFF);
    uint8_t sum = 0;
    for (size_t i = 2; i < size_t(2 + uint8_t(m[0])); ++i) sum = uint8_t(sum + uint8_t(m[i]));
    m[1] = char(sum);
    return m + '\0';
  };
  // Claims no disk holds: refused as a full disk before a byte is decoded or written.
  std::string claimingTerabytes;
  for (int i = 0; i < 1000; ++i) {
    std::string m = nvtest::handMember(0, "m" + std::to_string(i) + ".txt", "a", "a");
    for (int k = 0; k < 4; ++k) m[11 + k] = '\xFF';
    uint8_t sum = 0;
    for (size_t k = 2; k < size_t(2 + uint8_t(m[0])); ++k) sum = uint8_t(sum + uint8_t(m[k]));
    m[1] = char(sum);
    claimingTerabytes += m;
  }
  struct Case {
    const char* what;
    std::string bytes;
    int code;
  };
  const Case cases[] = {
      {"1000 members claiming 4 GiB each", claimingTerabytes + '\0', 0x8005},
      {"-lh5- claims 64 MiB", claiming64MiB("-lh5-", nvtest::singleSymbolBlock(1000, 'a', 4)),
       0x8048},
      {"-pm1- claims 64 MiB",
       claiming64MiB("-pm1-", std::string("\xA4\x60\x05", 3) + std::string(15, '\0')), 0x8048},
      {"not an archive", "this is not an archive at all", 0x801B},
      {"a bit flipped in the 11th header", flipped, 0x8016},
      {"cut inside the 11th header", good.substr(0, header11 + 12), 0x8042},
      {"cut inside the last member's data", good.substr(0, good.size() - 40), 0x802D},
      {"no end mark", good.substr(0, good.size() - 1), 0x8045},
      {"CRC error in the last member", badCrc, 0x800C},
  };
  put(dir.file("out/keep.txt"), "mine");
  for (const Case& c : cases) {
    put(dir.file("d.lzh"), c.bytes);
    nv::lzh::ArchiverResult r =
        nv::lzh::runArchiverCommand("x \"" + dir.file("d.lzh") + "\" \"" + dir.file("out") + "\"");
    EXPECT_EQ(r.code, c.code) << c.what;
    EXPECT_FALSE(nv::fileExists(dir.file("out/m0.txt"))) << c.what;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(nv::toFsPath(dir.file("out"))), {}),
              1)
        << c.what;
  }
  EXPECT_EQ(
      nv::lzh::runArchiverCommand("x \"" + dir.file("missing.lzh") + "\" \"" + dir.path() + "\"")
          .code,
      0x8018);
}

// Archives of other archivers: level 0 and 1 headers, folders written with "\" (also as the
// second byte of 表), leading separators, and every method liblhasa decodes.
TEST(LzhArchive, ArchivesOfOtherArchiversOpen) {
  using nvtest::handMember;
  TempDir dir;
  const std::string hyo = nv::sj("表");  // 95 5C
  const std::string a1000(1000, 'a');
  std::string archive = handMember(0, "\\top.txt", "top", "top") +
                        handMember(0, "/dir\\sub.txt", "sub", "sub") +
                        handMember(0, hyo + "\\" + hyo + ".txt", "hyo", "hyo") +
                        handMember(1, "lvl1.txt", "one", "one", "-lh0-",
                                   "\xFF"
                                   "ext\xFF");
  for (const char* method : {"-lh5-", "-lh6-", "-lh7-", "-lhx-"})
    archive +=
        handMember(0, std::string(method + 1, 3) + ".txt",
                   nvtest::singleSymbolBlock(1000, 'a', method[3] == '5' ? 4 : 5), a1000, method);
  put(dir.file("other.lzh"), archive + '\0');
  nv::lzh::ArchiverResult r = nv::lzh::runArchiverCommand("x \"" + dir.file("other.lzh") + "\" \"" +
                                                          dir.file("out") + "\"");
  ASSERT_EQ(r.code, 0);
  EXPECT_EQ(readBytes(dir.file("out/top.txt")), "top");
  EXPECT_EQ(readBytes(dir.file("out/dir/sub.txt")), "sub");
  EXPECT_EQ(readBytes(dir.file("out") + "/" + hyo + "/" + hyo + ".txt"), "hyo");
  EXPECT_EQ(readBytes(dir.file("out/ext/lvl1.txt")), "one");
  for (const char* name : {"lh5.txt", "lh6.txt", "lh7.txt", "lhx.txt"})
    EXPECT_EQ(readBytes(dir.file("out/") + name), a1000) << name;

  put(dir.file("lh9.lzh"), handMember(0, "x.txt", "zz", "zz", "-lh9-") + '\0');
  EXPECT_EQ(
      nv::lzh::runArchiverCommand("x \"" + dir.file("lh9.lzh") + "\" \"" + dir.file("o9") + "\"")
          .code,
      0x8009);
}
}  // namespace
