// Dish pictures, the recent-files submenu, the category search's entry and the teacher's
// CSV export.
#include <QAction>
#include <QDir>
#include <QImage>
#include <QMenu>
#include <QTabBar>
#include <QToolButton>

#include "main_form_fixture.h"
#include "planner/kondate_button.h"
#include "planner/model/menu_file.h"
#include "platform/files.h"
#include "platform/qt/qtext.h"
#include "scripted_dialogs.h"
#include "scripted_prompt.h"
#include "shown.h"

namespace nvtest {
namespace {

void writePicture(const std::string& cp932Path, int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::red);
  QDir().mkpath(nv::toQ(nv::folderOf(cp932Path)));
  ASSERT_TRUE(image.save(nv::toQ(cp932Path), "BMP"));
}

TEST_F(MainFormTest, DishPicturesComeFromTheirFoldersScaledToTheButton) {
  nv::TMainForm& f = make({{"ごはん", {"ごはん", "パン"}}});
  // The dish buttons read the fixed bmp folder beside the program.
  writePicture(dir.file("bmp/ごはん.bmp"), 200, 100);
  f.startUp();
  ASSERT_EQ(f.dishButtons().size(), 2u);
  const nv::TKondateButton* rice = f.dishButtons()[0];
  ASSERT_EQ(rice->dishName(), nv::sj("ごはん"));
  EXPECT_FALSE(rice->icon().isNull());
  // 124 wide: 200 x 0.62 -> 124 + 1.
  EXPECT_EQ(rice->iconSize().width(), 125);
  EXPECT_TRUE(f.dishButtons()[1]->icon().isNull());  // no picture: no glyph

  // The chosen-dish glyph: picture folder + caption + ".bmp", scaled by the factor.
  QToolButton chosen;
  chosen.resize(64, 64);
  QFont font = chosen.font();
  font.setPointSize(6);
  chosen.setFont(font);
  f.setDishGlyph(chosen, nv::sj("ごはん"), 0.5);
  EXPECT_FALSE(chosen.icon().isNull());
  // Space 60 wide: base 0.3; 0.5 x 200 x 0.3 = 30 -> 31 by 0.5 x 100 x 0.3 = 15 -> 16.
  EXPECT_EQ(chosen.iconSize(), QSize(31, 16));
  QToolButton none;
  f.setDishGlyph(none, nv::sj("パン"), 1.0);
  EXPECT_TRUE(none.icon().isNull());
}

TEST_F(MainFormTest, RecentFilesSubmenuOffersAllButTheOpenFile) {
  nv::TMainForm& f = make({{"ごはん", {"ごはん"}}});
  emit menu(f, "FileMenu")->aboutToShow();
  EXPECT_FALSE(menu(f, "ReOpenMenu")->menuAction()->isVisible());

  f.recentFiles().add("/m/b.nvu");
  f.recentFiles().add("/m/a.nvu");
  emit menu(f, "FileMenu")->aboutToShow();
  EXPECT_TRUE(menu(f, "ReOpenMenu")->menuAction()->isVisible());
  const QList<QAction*> items = menu(f, "ReOpenMenu")->actions();
  ASSERT_EQ(items.size(), 3);
  EXPECT_EQ(items[0]->text(), QString::fromUtf8("履歴の削除(&D)"));
  EXPECT_TRUE(items[1]->isSeparator());
  EXPECT_EQ(items[2]->text(), QStringLiteral("&0 /m/b.nvu"));

  // Choosing an entry opens it (a missing file is reported and changes nothing).
  ScriptedPrompt prompt;
  prompt.expectBox("/m/b.nvu", "ファイルが見つかりません", nv::Icon::Stop);
  items[2]->trigger();
  EXPECT_EQ(f.currentFileName(), "default");

  items[0]->trigger();
  EXPECT_TRUE(f.recentFiles().empty());
}

TEST_F(MainFormTest, OpeningAMenuFileTakesItsPathAndTitle) {
  nv::TMainForm& f = make({{"ごはん", {"ごはん"}}});
  const std::string path = dir.file("day.nvu");
  nv::SelectedMenu saved;
  nv::TKojinData child;
  child.setName(nv::sj("はなこ"));
  ASSERT_TRUE(nvtest::shown(nv::saveMenuFile(path, saved, child, {})));
  f.recentFiles().add("/old.nvu");
  f.setArguments({"/no/such.nvu", path});
  f.startMenu();  // the last existing argument is opened
  EXPECT_EQ(f.currentFileName(), path);
  EXPECT_EQ(f.windowTitle(), nv::toQ("Nuvelta:" + path));
  EXPECT_EQ(f.recentFiles().paths().front(), path);
  EXPECT_EQ(profile.name(), nv::sj("はなこ"));
}

TEST_F(MainFormTest, SearchResultSelectsTheCategoryAndAddsTheDish) {
  nv::TMainForm& f = started({{"ごはん", {"ごはん"}}, {"汁もの", {"みそしる", "すましじる"}}});
  EXPECT_TRUE(f.showDishOf(nv::sj("汁もの"), nv::sj("みそしる")));
  EXPECT_EQ(f.categoryTabs()->currentIndex(), 1);
  EXPECT_EQ(sel.added, (std::vector<std::string>{nv::sj("汁もの/みそしる/0")}));
  EXPECT_FALSE(f.showDishOf(nv::sj("めん"), nv::sj("うどん")));
}

TEST_F(MainFormTest, CsvExportWritesTheChosenFile) {
  nv::TMainForm& f = started({{"ごはん", {"ごはん"}}});
  ScriptedDialogs dialogs;
  dialogs.expectSave(nv::cp932ToUtf8(dir.file("out.csv")));
  action(f, "WriteKondateDataToCsvFileAction")->trigger();
  ASSERT_EQ(dialogs.calls().size(), 1u);
  EXPECT_EQ(dialogs.calls()[0].request.defaultExt, "csv");
  EXPECT_EQ(dialogs.calls()[0].request.filter,
            nv::sj("献立データファイル(*.csv)|*.csv|全てのファイル(*.*)|*.*"));
  std::string bytes;
  ASSERT_TRUE(nv::readFile(dir.file("out.csv"), bytes));
  EXPECT_EQ(bytes, f.kondateData().exportCsv(&f.foodData()));
  EXPECT_NE(bytes.find(nv::sj("ごはん")), std::string::npos);

  dialogs.expectCancel(DialogCall::Save);
  action(f, "WriteKondateDataToCsvFileAction")->trigger();
}

}  // namespace
}  // namespace nvtest
