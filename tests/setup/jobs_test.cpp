// Archive search order, change detection against the previous tree, the response file and
// the delete job.
#include "setup/model/jobs.h"

#include <gtest/gtest.h>
#include <sys/time.h>

#include <filesystem>

#include "lzh_test_util.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "scripted_prompt.h"
#include "setup/lzh/archiver.h"
#include "setup/lzh/lzh_reader.h"
#include "setup/lzh/sfx.h"
#include "setup/model/builder.h"
#include "shown.h"
#include "temp_dir.h"

namespace {
using nvtest::put;
using nvtest::TempDir;

void touch(const std::string& path, int64_t mtime) {
  if (!nv::fileExists(path)) put(path, "x");
  struct timeval tv[2] = {{time_t(mtime), 0}, {time_t(mtime), 0}};
  utimes(nv::toFsPath(path).c_str(), tv);
}

const std::atomic<bool> kGo{false};

TEST(ArchiveSearch, NewestFirstThenAlphabetical) {
  TempDir dir;
  std::string desk = dir.file("Desktop"), docs = dir.file("Documents");
  touch(desk + "/NVA_b.run", 2000000000);  // middle
  touch(desk + "/NVA_c.run", 1000000000);  // oldest
  touch(docs + "/NVA_a.run", 2100000000);  // newest
  touch(desk + "/other.run", 2200000000);
  auto found = nv::setup::searchArchives({desk, docs}, {"NVA*.run"}, kGo);
  nv::setup::orderArchiveResults(found);
  EXPECT_EQ(found, (std::vector<std::string>{docs + "/NVA_a.run", desk + "/NVA_b.run",
                                             desk + "/NVA_c.run"}));
  // Two results keep the newest first without sorting.
  auto two = nv::setup::searchArchives({desk}, {"nva*.RUN"}, kGo);
  nv::setup::orderArchiveResults(two);
  EXPECT_EQ(two, (std::vector<std::string>{desk + "/NVA_b.run", desk + "/NVA_c.run"}));
}

TEST(ArchiveSearch, AFolderNamedTwiceIsSearchedOnce) {
  TempDir dir;
  std::string desk = dir.file("Desk");
  touch(desk + "/NVA1.run", 1000000000);
  EXPECT_EQ(nv::setup::searchArchives({desk, desk + "/", desk}, {"NVA*.run"}, kGo).size(), 1u);
}

TEST(SourceScan, ChangesAgainstThePreviousTree) {
  TempDir dir;
  std::string src = dir.file("src");
  touch(src + "/NV", 1143847810);
  touch(src + "/bmp/a.bmp", 1100000000);
  touch(src + "/.git/x.bmp", 1200000000);
  nv::setup::TBrCaFolder first;
  nv::setup::ScanResult r = nv::setup::scanSource(src, first, nullptr, {"*.*", "*.bmp"}, kGo);
  EXPECT_TRUE(r.updated);
  EXPECT_EQ(r.newestAll, nv::setup::dosStampFromUnix(1143847810));
  ASSERT_EQ(first.children.size(), 1u);            // ".git" skipped
  EXPECT_EQ(first.children[0]->files.size(), 2u);  // a bitmap matching two patterns twice
  std::string response = nv::setup::datedResponseText("/o/NVA.lzh", src, first, true);
  EXPECT_EQ(response, "u \"/o/NVA.lzh\"\n-xa \"" + src + "\" \"/NV\"\n-xa \"" + src +
                          "\" \"/bmp/a.bmp\"\n-xa \"" + src + "\" \"/bmp/a.bmp\"\n");

  // Against the snapshot of the first scan only the touched file changes.
  auto previous = nv::setup::readSnapshot(nv::setup::writeSnapshot(first));
  touch(src + "/bmp/a.bmp", 1300000000);
  nv::setup::TBrCaFolder second;
  r = nv::setup::scanSource(src, second, previous.get(), {"*.*"}, kGo);
  EXPECT_TRUE(r.updated);
  EXPECT_EQ(r.newestChanged, nv::setup::dosStampFromUnix(1300000000));
  EXPECT_EQ(second.files[0].changed, 0);
  EXPECT_EQ(second.children[0]->files[0].changed, 1);
  EXPECT_EQ(nv::setup::datedResponseText("/o/NVS.lzh", src, second, false),
            "u \"/o/NVS.lzh\"\n-xa \"" + src + "\" \"/bmp/a.bmp\"\n");

  // A link in the source would be packed as a copy of its target: it is left out and named.
  std::filesystem::create_symlink(nv::toFsPath(src + "/NV"), nv::toFsPath(src + "/bmp/link.bmp"));
  nv::setup::TBrCaFolder withLink;
  r = nv::setup::scanSource(src, withLink, nullptr, {"*.*", "*.bmp"}, kGo);
  EXPECT_EQ(r.skippedLinks, std::vector<std::string>{src + "/bmp/link.bmp"});
  EXPECT_EQ(withLink.children[0]->files.size(), 2u);
  std::filesystem::remove(nv::toFsPath(src + "/bmp/link.bmp"));

  std::atomic<bool> stopped{true};
  nv::setup::TBrCaFolder third;
  EXPECT_FALSE(nv::setup::scanSource(src, third, nullptr, {"*.*"}, stopped).updated);
}

TEST(DeleteJob, EmptiesTheFolderWithoutFollowingLinks) {
  TempDir dir;
  std::string keep = dir.file("keep/precious.txt");
  put(keep, "mine");
  std::string victim = dir.file("install");
  put(victim + "/NV", "x");
  put(victim + "/bmp/a.bmp", "x");
  std::filesystem::create_directory_symlink(nv::toFsPath(dir.file("keep")),
                                            nv::toFsPath(victim + "/bmp/link"));
  nv::setup::deleteTree(victim, kGo);
  EXPECT_FALSE(std::filesystem::exists(nv::toFsPath(victim)));
  EXPECT_TRUE(nv::fileExists(keep));
  // A link given as the folder, with the trailing separator an install folder has.
  std::filesystem::create_directory_symlink(nv::toFsPath(dir.file("keep")),
                                            nv::toFsPath(dir.file("link")));
  nv::setup::deleteTree(dir.file("link") + "/", kGo);
  EXPECT_TRUE(nv::fileExists(keep));
  EXPECT_FALSE(
      std::filesystem::exists(std::filesystem::symlink_status(nv::toFsPath(dir.file("link")))));

  // A stop request leaves the folder partly deleted.
  for (int i = 0; i < 5; ++i) put(victim + "/f" + std::to_string(i), "x");
  std::atomic<bool> stop{true};
  nv::setup::deleteTree(victim, stop);
  EXPECT_TRUE(std::filesystem::exists(nv::toFsPath(victim)));
}

TEST(Builder, BuildsTheDatedAndTheVersionProgram) {
  TempDir dir;
  std::string src = dir.file("src");
  touch(src + "/NV", 1143847810);
  put(src + "/NV.nv", std::string(3000, 'n'));
  touch(src + "/NV.nv", 1100000000);
  put(dir.file("main/NV"), std::string("xx") + "NVFILEVERSION=1.2.3.4" + '\0');
  put(dir.file("main/readme.txt"), "readme");
  put(dir.file("nvsetup"), "installer");
  nv::setup::TBrCaFolder tree;
  nv::setup::ScanResult scan = nv::setup::scanSource(src, tree, nullptr, {"*.*"}, kGo);
  nv::lzh::setSfxStubPath(NV_SFX_STUB_PATH);
  nv::setup::BuilderSettings s{src, dir.file("out"), dir.file("main/NV"), dir.file("nvsetup"),
                               dir.file("desk")};
  std::vector<std::string> commands;
  auto run = [&](const std::string& line) {
    commands.push_back(line);
    return nv::archiverStep(line);
  };
  nv::setup::BuildOutcome out = nv::setup::buildDistribution(s, tree, scan, true, run, [](int) {});
  EXPECT_TRUE(out.built);
  EXPECT_TRUE(out.told.ok());
  EXPECT_TRUE(out.told.messages().empty());
  EXPECT_EQ(commands.size(), 4u);
  std::string dated = dir.file("out/NVA20060401_0830.run");
  EXPECT_EQ(out.distributionFile, dated);
  EXPECT_TRUE(nv::fileExists(dated));
  EXPECT_TRUE(nv::fileExists(dir.file("out/NV123.run")));
  EXPECT_FALSE(nv::fileExists(dir.file("out/NVA20060401_0830.lzh")));
  EXPECT_FALSE(nv::fileExists(dir.file("out/NV20060401_0830.txt")));
  uint64_t offset = 0;
  ASSERT_TRUE(nv::lzh::findAppendedArchive(dir.file("out/NV123.run"), offset));
  std::vector<nv::lzh::MemberInfo> members;
  ASSERT_EQ(nv::lzh::listArchive({dir.file("out/NV123.run"), offset}, members).code, 0);
  ASSERT_EQ(members.size(), 3u);
  EXPECT_EQ(members[0].name, "NVA20060401_0830.run");
  EXPECT_EQ(members[2].name, "readme.txt");

  // Without a main program only the dated program is made; nothing changed: a message only.
  nv::setup::BuilderSettings bare{src, dir.file("out2"), dir.file("nothing/NV"),
                                  dir.file("nvsetup"), ""};
  commands.clear();
  EXPECT_TRUE(nv::setup::buildDistribution(bare, tree, scan, true, run, [](int) {}).built);
  EXPECT_EQ(commands.size(), 2u);
  {
    nvtest::ScriptedPrompt prompt;
    prompt.expectMessage("更新されたファイルはありません");
    EXPECT_FALSE(nvtest::shownTold(nv::setup::buildDistribution(bare, tree, nv::setup::ScanResult{},
                                                                false, run, [](int) {}))
                     .built);
  }
  nv::lzh::setSfxStubPath("");
}

// What stops a build before it packs, and what it leaves behind: never its response file.
TEST(Builder, RefusesWhatItCannotPackAndLeavesNoResponseFile) {
  TempDir dir;
  std::string src = dir.file("src");
  touch(src + "/NV", 1143847810);
  nv::setup::BuilderSettings s{"", dir.file("out"), "", dir.file("nvsetup"), dir.file("desk")};
  nv::setup::TBrCaFolder tree;
  nv::setup::ScanResult scan = nv::setup::scanSource(src, tree, nullptr, {"*.*"}, kGo);
  std::vector<std::string> commands;
  auto run = [&](const std::string& line) {
    commands.push_back(line);
    // Every archiver step fails, with its box told after what the build told before it.
    return nv::Result::failure(nv::messageBox(nv::sj("圧縮できません"), {}, nv::Icon::Information));
  };
  auto build = [&] {
    return nvtest::shownTold(nv::setup::buildDistribution(s, tree, scan, true, run, [](int) {}));
  };
  {
    nvtest::ScriptedPrompt prompt;
    prompt.expectMessage(
        "元の場所が指定されていません。配布するファイルのあるフォルダーを選んでください。");
    prompt.expectMessage(dir.file("gone") +
                         "\nが見つかりません。配布するファイルのあるフォルダーを選んでください。");
    EXPECT_FALSE(build().built);
    s.src = dir.file("gone");
    EXPECT_FALSE(build().built);
  }
  s.src = src;
  // Names the response file cannot carry.
  touch(src + "/say \"hi\".txt", 1143847810);
  touch(src + "/two\nlines.txt", 1143847810);
  tree = nv::setup::TBrCaFolder{};
  scan = nv::setup::scanSource(src, tree, nullptr, {"*.*"}, kGo);
  {
    nvtest::ScriptedPrompt prompt;
    prompt.expectMessage(
        "次のファイルは、名前に「\"」、改行などの制御文字、またはシフトJISにない文字があるため、"
        "配布ファイルに入れられません。名前を変えてから、もう一度圧縮してください。\n" +
        src + "/say \"hi\".txt\n" + src + "/two\nlines.txt");
    EXPECT_FALSE(build().built);
  }
  EXPECT_TRUE(commands.empty());
  std::filesystem::remove(nv::toFsPath(src + "/say \"hi\".txt"));
  std::filesystem::remove(nv::toFsPath(src + "/two\nlines.txt"));
  // A link is left out and named before the build goes on.
  std::filesystem::create_symlink(nv::toFsPath(src + "/NV"), nv::toFsPath(src + "/link"));
  tree = nv::setup::TBrCaFolder{};
  scan = nv::setup::scanSource(src, tree, nullptr, {"*.*"}, kGo);
  {
    nvtest::ScriptedPrompt prompt;
    prompt.expectMessage(
        "次のシンボリックリンクは、リンク先の写しになってしまうため、配布ファイルに入れません。\n" +
        src + "/link");
    prompt.expectBox("圧縮できません", "", nv::Icon::Information);
    EXPECT_FALSE(build().built);
  }
  EXPECT_EQ(commands.size(), 1u);
  EXPECT_FALSE(nv::fileExists(dir.file("out/NV20060401_0830.txt")));
}
}  // namespace
