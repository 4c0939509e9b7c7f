// The archiver's command forms, response files and result texts.
#include <gtest/gtest.h>

#include "lzh_test_util.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "scripted_prompt.h"
#include "setup/lzh/archiver.h"
#include "setup/lzh/archiver_codes.h"
#include "setup/lzh/command_line.h"
#include "setup/lzh/lzh_reader.h"
#include "setup/lzh/sfx.h"
#include "setup/sfx/cp932_names.h"
#include "temp_dir.h"

namespace {
using nvtest::put;
using nvtest::readBytes;
using nvtest::runShell;
using nvtest::TempDir;

TEST(ArchiverCommand, WordsKeepQuotedSpacesAndJoinQuotesInsideAWord) {
  using V = std::vector<std::string>;
  EXPECT_EQ(nv::lzh::splitCommandLine("x \"/a b/c.lzh\" \"/d e/\""),
            (V{"x", "/a b/c.lzh", "/d e/"}));
  EXPECT_EQ(nv::lzh::splitCommandLine("s -x -gw4 \"a\" \"f\" -gr\"/o/N A.run\""),
            (V{"s", "-x", "-gw4", "a", "f", "-gr/o/N A.run"}));
  EXPECT_EQ(nv::lzh::splitCommandLine("s \"a\" \"f\" \"-gr/o/NV100.run\""),
            (V{"s", "a", "f", "-gr/o/NV100.run"}));
  EXPECT_EQ(nv::lzh::splitCommandLine("@\"/t/r 1.txt\""), (V{"@/t/r 1.txt"}));
}

TEST(ArchiverCommand, ResponseFileLines) {
  nv::lzh::ResponseFile r;
  ASSERT_TRUE(nv::lzh::parseResponseFile(
      "u \"/out/NVA.lzh\"\n-xa \"/src\" \"/bmp/a b.bmp\"\r\n-xa \"/src/\" \"NV\"\n/out/NVA.run\n"
      "/path with space/nvsetup\n",
      r));
  EXPECT_EQ(r.command, "u");
  EXPECT_EQ(r.archive, "/out/NVA.lzh");
  ASSERT_EQ(r.items.size(), 4u);
  EXPECT_EQ(r.items[0].path, "/src/bmp/a b.bmp");
  EXPECT_EQ(r.items[0].name, "bmp/a b.bmp");
  EXPECT_EQ(r.items[1].path, "/src/NV");
  EXPECT_EQ(r.items[2].name, "NVA.run");
  EXPECT_EQ(r.items[3].path, "/path with space/nvsetup");
  EXPECT_FALSE(nv::lzh::parseResponseFile("", r));
}

TEST(ArchiverCommand, ResultTextsFollowTheTable) {
  EXPECT_EQ(nv::lzh::archiverResultText(0), "");
  EXPECT_EQ(nv::lzh::archiverResultText(0x801B),
            nv::sj("指定されたファイルは有効な LZH 書庫ではありません。"));
  EXPECT_EQ(nv::lzh::archiverResultText(0x8000), "START");
  EXPECT_EQ(nv::lzh::archiverResultText(0x8009), "METHOD");
  EXPECT_EQ(nv::lzh::archiverResultText(0x8002), "ERR=00008002");
  EXPECT_EQ(nv::lzh::archiverResultText(0x12345), "ERR=00002345");
  EXPECT_EQ(nv::lzh::archiverResultText(0x802F),
            nv::sj("作業ファイルの書き戻しに必要なディスクの空きがあり"));
}

TEST(ArchiverCommand, FailureIsShownAsAnInformationBox) {
  TempDir dir;
  nvtest::ScriptedPrompt prompt;
  prompt.expectBox("書庫を開く事が出来ません。", "", nv::Icon::Information);
  EXPECT_FALSE(nv::RunArchiver("x \"" + dir.file("none.lzh") + "\" \"" + dir.path() + "\""));
  nvtest::ScriptedPrompt prompt2;
  prompt2.expectBox("コマンド指定が間違っています。", "", nv::Icon::Information);
  EXPECT_FALSE(nv::RunArchiver("q \"a\""));
}

TEST(ArchiverCommand, ResponseFileBuildsAnArchiveThatSelfExtractsAnywhere) {
  TempDir dir;
  std::string src = dir.file("src");
  put(src + "/NV", "#!/bin/sh\n");
  put(src + "/bmp/a.bmp", std::string(5000, 'a'));
  put(dir.file("readme.txt"), "read me");
  std::string archive = dir.file("out/NVA.lzh");
  put(dir.file("r.txt"), "u \"" + archive + "\"\n-xa \"" + src + "\" \"NV\"\n-xa \"" + src +
                             "\" \"bmp/a.bmp\"\n" + dir.file("readme.txt") + "\n");
  ASSERT_EQ(nv::lzh::runArchiverCommand("@\"" + dir.file("r.txt") + "\"").code, 0);
  std::vector<nv::lzh::MemberInfo> members;
  ASSERT_EQ(nv::lzh::listArchive({archive, 0}, members).code, 0);
  std::vector<std::string> names;
  for (const auto& m : members) names.push_back(m.name);
  EXPECT_EQ(names, (std::vector<std::string>{"NV", "bmp", "bmp/a.bmp", "readme.txt"}));

  // A second update replaces a member and keeps the others.
  put(dir.file("readme.txt"), "newer");
  ASSERT_EQ(
      nv::lzh::runArchiverCommand("u \"" + archive + "\" \"" + dir.file("readme.txt") + "\"").code,
      0);
  members.clear();
  nv::lzh::listArchive({archive, 0}, members);
  EXPECT_EQ(members.size(), 4u);

  nv::lzh::setSfxStubPath(NV_SFX_STUB_PATH);
  ASSERT_EQ(nv::lzh::runArchiverCommand("s -x -gw4 \"" + archive + "\" \"" + dir.file("out") +
                                        "\" -gr\"NVA.run\"")
                .code,
            0);
  // Copied alone to another folder, it extracts into -n FOLDER, and beside itself without one.
  std::string alone = dir.file("elsewhere/NVA.run");
  put(alone, readBytes(dir.file("out/NVA.run")));
  std::string out;
  ASSERT_EQ(runShell("chmod +x '" + alone + "' && '" + alone + "' -n '" + dir.file("target dir") +
                         "' 2>&1",
                     &out),
            0)
      << out;
  EXPECT_EQ(readBytes(dir.file("target dir/bmp/a.bmp")), std::string(5000, 'a'));
  EXPECT_EQ(readBytes(dir.file("target dir/readme.txt")), "newer");
  ASSERT_EQ(runShell("'" + alone + "' 2>&1", &out), 0) << out;
  EXPECT_TRUE(nv::fileExists(dir.file("elsewhere/NV")));
  // It needs nothing but the C library (its dynamic loader included).
  ASSERT_EQ(runShell("readelf -d '" + std::string(NV_SFX_STUB_PATH) + "' 2>&1", &out), 0);
  size_t needed = 0;
  for (size_t at = out.find("(NEEDED)"); at != std::string::npos;
       at = out.find("(NEEDED)", at + 1), ++needed) {
    const std::string line = out.substr(at, out.find('\n', at) - at);
    EXPECT_TRUE(line.find("[libc.so.") != std::string::npos ||
                line.find("[ld-linux") != std::string::npos)
        << line;
  }
  EXPECT_GT(needed, 0u);
  // The version form with -gr inside the quotes.
  ASSERT_EQ(nv::lzh::runArchiverCommand("s -x -gw4 \"" + archive + "\" \"" + dir.file("out") +
                                        "\" \"-grNV100.run\"")
                .code,
            0);
  EXPECT_TRUE(nv::fileExists(dir.file("out/NV100.run")));
  nv::lzh::setSfxStubPath("");
}

// The self-extracting program's table names every byte sequence as the installer does.
TEST(ArchiverCommand, SelfExtractingNamesMatchTheInstallersConversion) {
  std::vector<std::string> samples;
  for (int b = 0; b < 256; ++b) {
    samples.push_back(std::string(1, char(b)));
    samples.push_back(std::string(1, char(b)) + "a");
    for (int t = 0; t < 256 && nv::isCp932LeadByte(uint8_t(b)); ++t)
      samples.push_back({char(b), char(t)});
  }
  samples.push_back(nv::sj("献立/表ソ能/ｶﾀｶﾅ.txt"));
  size_t differ = 0;
  for (const std::string& s : samples)
    if (nv::sfx::cp932NameToUtf8(s) != nv::cp932ToUtf8(s) && ++differ < 5)
      ADD_FAILURE() << std::hex << int(uint8_t(s[0])) << " "
                    << (s.size() > 1 ? int(uint8_t(s[1])) : -1);
  EXPECT_EQ(differ, 0u);
}
}  // namespace
