#include "planner/model/start_arguments.h"

#include <gtest/gtest.h>

namespace {

TEST(StartArguments, MenuFilesStartThePlannerOnceLunchBoxesEachTheirOwn) {
  const auto steps = nv::planStartSteps(
      {"/d/a.NVU", "/d/box.nvub", "/d/readme.txt", "/d.nvu/plain", "/d/b.nvu", "/d/c.NvUb"});
  ASSERT_EQ(steps.size(), 3u);
  EXPECT_EQ(steps[0].kind, nv::StartStep::MenuPlanner);
  EXPECT_EQ(steps[0].files, (std::vector<std::string>{"/d/a.NVU", "/d/b.nvu"}));
  EXPECT_EQ(steps[1].kind, nv::StartStep::LunchBox);
  EXPECT_EQ(steps[1].files, std::vector<std::string>{"/d/box.nvub"});
  EXPECT_EQ(steps[2].files, std::vector<std::string>{"/d/c.NvUb"});
  EXPECT_TRUE(nv::planStartSteps({"/d/x.txt", "/d/nvu"}).empty());
}

TEST(StartArguments, VersionTextAndChildName) {
  EXPECT_EQ(nv::versionText(1, 5, 0, 216), "Version 1.5.0  Build:216");
  EXPECT_EQ(nv::versionText(-1, -1, -1, -1), "Version -1.-1.-1  Build:-1");
  EXPECT_EQ(nv::childNameFromHost("pc-12.school.example"), "pc-12");
  EXPECT_EQ(nv::childNameFromHost("pc-12"), "pc-12");
  EXPECT_EQ(nv::childNameFromHost(""), "");
}

// --help and --version answer before any window; a file after "--" is a file.
TEST(StartArguments, HelpAndVersionAreAskedBeforeAnyFile) {
  using R = nv::InfoRequest;
  EXPECT_EQ(nv::infoRequest({}), R::None);
  EXPECT_EQ(nv::infoRequest({"/d/a.nvu"}), R::None);
  EXPECT_EQ(nv::infoRequest({"--help"}), R::Help);
  EXPECT_EQ(nv::infoRequest({"/d/a.nvu", "-h"}), R::Help);
  EXPECT_EQ(nv::infoRequest({"--version", "--help"}), R::Version);
  EXPECT_EQ(nv::infoRequest({"--", "--help"}), R::None);
  EXPECT_EQ(nv::infoRequest({"--helpful.nvu"}), R::None);
  EXPECT_EQ(nv::usageText().rfind("Usage: nv [FILE]...\n", 0), 0u);
  EXPECT_NE(nv::usageText().find("~/.config/Nuvelta/"), std::string::npos);
  EXPECT_EQ(nv::versionLine().rfind("nv (Nuvelta) ", 0), 0u);
}

}  // namespace
