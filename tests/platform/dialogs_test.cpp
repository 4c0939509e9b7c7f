#include "platform/dialogs.h"

#include <gtest/gtest.h>

#include "platform/text.h"
#include "scripted_dialogs.h"

using nv::sj;

TEST(Dialogs, HeadlessRunsCancelEveryDialog) {
  std::string path;
  int32_t color = 5;
  EXPECT_FALSE(nv::dialogs().openFile({}, path));
  EXPECT_FALSE(nv::dialogs().saveFile({}, path));
  EXPECT_FALSE(nv::dialogs().chooseColor(1, color));
  EXPECT_FALSE(nv::dialogs().printerSetup(nv::PageOrientation::Landscape));
  EXPECT_EQ(color, 5);
  EXPECT_TRUE(path.empty());
}

TEST(ScriptedDialogs, AnswersInOrderAndRecordsTheRequests) {
  nvtest::ScriptedDialogs scripted;
  scripted.expectOpenFiles({"a/献立.nvu", "b.nvu"})
      .expectCancel(nvtest::DialogCall::Save)
      .expectColor(255)
      .expectPrinterSetup(false);
  nv::FileRequest r;
  r.title = sj("開く");
  r.allowMultiple = true;
  std::vector<std::string> paths;
  ASSERT_TRUE(nv::dialogs().openFiles(r, paths));
  EXPECT_EQ(paths, (std::vector<std::string>{sj("a/献立.nvu"), "b.nvu"}));
  std::string path;
  EXPECT_FALSE(nv::dialogs().saveFile({}, path));
  int32_t color = 0;
  EXPECT_TRUE(nv::dialogs().chooseColor(16777215, color));
  EXPECT_EQ(color, 255);
  EXPECT_FALSE(nv::dialogs().printerSetup(nv::PageOrientation::Landscape));
  ASSERT_EQ(scripted.calls().size(), 4u);
  EXPECT_EQ(scripted.calls()[0].request.title, sj("開く"));
  EXPECT_EQ(scripted.calls()[2].initialColor, 16777215);
  EXPECT_EQ(scripted.calls()[3].orientation, nv::PageOrientation::Landscape);
  EXPECT_TRUE(scripted.allSatisfied());
}
