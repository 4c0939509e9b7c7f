// The menu commands of nvtool on a saved menu: the nutrient table and the printed PDF.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "core/kojin_data.h"
#include "planner/model/menu_file.h"
#include "planner/model/selected_menu.h"
#include "platform/files.h"
#include "platform/text.h"
#include "temp_dir.h"

namespace {

struct ToolResult {
  int status = -1;
  std::string out, err;
};

ToolResult nvtool(const nvtest::TempDir& dir, const std::string& args) {
  std::string out = dir.file("stdout.txt"), err = dir.file("stderr.txt");
  std::string cmd = "cd '" + dir.path() + "' && QT_QPA_PLATFORM=offscreen '" + NV_TOOL_PATH + "' " +
                    args + " >'" + out + "' 2>'" + err + "'";
  int raw = std::system(cmd.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, nvtest::readBytes(out), nvtest::readBytes(err)};
}

std::string pdfText(const nvtest::TempDir& dir, const std::string& pdf) {
  const std::string words = dir.file("words.txt");
  if (std::system(("pdftotext '" + dir.file(pdf) + "' '" + words + "'").c_str()) != 0) return {};
  return nvtest::readBytes(words);
}

int pdfPages(const nvtest::TempDir& dir, const std::string& pdf) {
  const std::string info = dir.file("info.txt");
  if (std::system(("pdfinfo '" + dir.file(pdf) + "' > '" + info + "'").c_str()) != 0) return -1;
  const std::string text = nvtest::readBytes(info);
  const size_t at = text.find("Pages:");
  return at == std::string::npos ? -1 : std::atoi(text.c_str() + at + 6);
}

// NV.nv with こめ (food 0) and たまご (food 1); dishes 親子丼 (0) and おにぎり (1); a menu with
// 親子丼 at lunch and おにぎり at breakfast and dinner, for the child "はなこ".
void writeMenu(const nvtest::TempDir& dir) {
  nvtest::writeBytes(dir.file("foods.csv"),
                     nv::sj("h\nA1,こめ,5,2,356,6,1,5,1,0,0.1,0,0,0\nB1,たまご,1,1,151,12,10,51,"
                            "2,640,0,0.4,0,0.4\n"));
  nvtest::writeBytes(dir.file("dishes.csv"),
                     nv::sj("h\nごはん,親子丼,こめ,80\nごはん,親子丼,たまご,50.5\n"
                            "ごはん,おにぎり,こめ,100\n"));
  ASSERT_EQ(nvtool(dir, "convert foods.csv dishes.csv -o NV.nv").status, 0);
  nv::SelectedMenu menu;
  auto dish = [](int32_t no, const char* name, nv::TUsedFoodList foods) {
    nv::SelDish d;
    d.kondateNo = no;
    d.caption = nv::sj(name);
    d.usedFoods = std::move(foods);
    d.weight = nv::totalAmount(d.usedFoods);
    d.standardWeight = d.weight;
    return d;
  };
  menu.add(1, dish(0, "親子丼", {{0, 80, 80}, {1, 50.5, 50.5}}));
  menu.add(0, dish(1, "おにぎり", {{0, 100, 100}}));
  menu.add(2, dish(1, "おにぎり", {{0, 0.03, 100}}));
  nv::TKojinData profile;
  profile.setName(nv::sj("はなこ"));
  ASSERT_TRUE(nv::saveMenuFile(dir.file("day.nvu"), menu, profile, nv::KojinViewState{}));
}

}  // namespace

TEST(NvtoolMenu, TableListsEveryRowAsTheGridHoldsIt) {
  nvtest::TempDir dir;
  writeMenu(dir);
  ToolResult table = nvtool(dir, "menu-table day.nvu --data NV.nv");
  ASSERT_EQ(table.status, 0);
  EXPECT_EQ(table.out,
            " 番号 \t 食事 \t 献立名\t 食品名\t 重さ　\t群別\t３色区分\tｴﾈﾙｷﾞｰ\t蛋白質 \t 脂肪  \t"
            " ｶﾙｼｳﾑ \t 鉄分  \tﾋﾞﾀﾐﾝA \tﾋﾞﾀﾐﾝB1\tﾋﾞﾀﾐﾝB2\tﾋﾞﾀﾐﾝC \t 塩分  \n"
            // day: rice 180.03 g, egg 50.5 g; lunch fat 0.8 + 5.05 sums just under 5.85
            "    1 \t１日分\t\t\t\t\t\t 717.2\t  16.9\t   6.9\t  34.8\t   2.8\t 323.2\t   0.2\t"
            "   0.2\t   0  \t   0.2\n"
            "    2 \t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\n"
            "    3 \t朝食\t\t\t\t\t\t 356.0\t   6.0\t   1.0\t   5.0\t   1.0\t   0  \t   0.1\t"
            "   0  \t   0  \t   0  \n"
            "    4 \t\tおにぎり\t\t100.0\t\t\t 356.0\t   6.0\t   1.0\t   5.0\t   1.0\t   0  \t"
            "   0.1\t   0  \t   0  \t   0  \n"
            "    5 \t\t\tこめ\t100.0\t   5\t黄\t 356.0\t   6.0\t   1.0\t   5.0\t   1.0\t   0  \t"
            "   0.1\t   0  \t   0  \t   0  \n"
            "    6 \t昼食\t\t\t\t\t\t 361.1\t  10.9\t   5.8\t  29.8\t   1.8\t 323.2\t   0.1\t"
            "   0.2\t   0  \t   0.2\n"
            "    7 \t\t親子丼\t\t130.5\t\t\t 361.1\t  10.9\t   5.8\t  29.8\t   1.8\t 323.2\t"
            "   0.1\t   0.2\t   0  \t   0.2\n"
            "    8 \t\t\tこめ\t 80.0\t   5\t黄\t 284.8\t   4.8\t   0.8\t   4.0\t   0.8\t   0  \t"
            "   0.1\t   0  \t   0  \t   0  \n"
            "    9 \t\t\tたまご\t 50.5\t   1\t赤\t  76.3\t   6.1\t   5.0\t  25.8\t   1.0\t 323.2\t"
            "   0  \t   0.2\t   0  \t   0.2\n"
            "   10 \t夕食\t\t\t\t\t\t   0.1\t   0  \t   0  \t   0  \t   0  \t   0  \t   0  \t"
            "   0  \t   0  \t   0  \n"
            "   11 \t\tおにぎり\t\t  0.0\t\t\t   0.1\t   0  \t   0  \t   0  \t   0  \t   0  \t"
            "   0  \t   0  \t   0  \t   0  \n"
            "   12 \t\t\tこめ\t  0\t   5\t黄\t   0.1\t   0  \t   0  \t   0  \t   0  \t   0  \t"
            "   0  \t   0  \t   0  \t   0  \n");
}

TEST(NvtoolMenu, TableRejectsBadUsageAndMissingFiles) {
  nvtest::TempDir dir;
  writeMenu(dir);
  EXPECT_EQ(nvtool(dir, "menu-table day.nvu").status, 2);
  EXPECT_EQ(nvtool(dir, "menu-table --data NV.nv").status, 2);
  EXPECT_EQ(nvtool(dir, "menu-table nothere.nvu --data NV.nv").status, 1);
  EXPECT_EQ(nvtool(dir, "menu-table day.nvu --data NV.nv --add nothere.nv").status, 1);
}

TEST(NvtoolMenu, PrintWritesLandscapePagesWithTheChildsName) {
  nvtest::TempDir dir;
  writeMenu(dir);
  ASSERT_EQ(nvtool(dir, "menu-print day.nvu --data NV.nv -o out.pdf --table --meals 0,1,2").status,
            0);
  const std::string info = dir.file("info.txt");
  ASSERT_EQ(std::system(("pdfinfo '" + dir.file("out.pdf") + "' > '" + info + "'").c_str()), 0);
  const std::string text = nvtest::readBytes(info);
  // One table page, then breakfast and lunch side by side, then dinner on its own page.
  EXPECT_NE(text.find("Pages:           3"), std::string::npos) << text;
  EXPECT_NE(text.find("842 x 595 pts"), std::string::npos) << text;
  EXPECT_NE(text.find("はなこさんの献立"), std::string::npos) << text;
  const std::string words = dir.file("words.txt");
  ASSERT_EQ(std::system(("pdftotext '" + dir.file("out.pdf") + "' '" + words + "'").c_str()), 0);
  EXPECT_NE(nvtest::readBytes(words).find("はなこさんの献立"), std::string::npos);

  // The charts of every meal with dishes by default; nothing to print is an error.
  ASSERT_EQ(nvtool(dir, "menu-print day.nvu --data NV.nv -o all.pdf").status, 0);
  EXPECT_EQ(nvtool(dir, "menu-print day.nvu --data NV.nv -o x.pdf --meals 5").status, 2);
  EXPECT_EQ(nvtool(dir, "menu-print day.nvu --data NV.nv").status, 2);

  // An empty menu is refused as the print dialog refuses it.
  nv::SelectedMenu none;
  ASSERT_TRUE(
      nv::saveMenuFile(dir.file("empty.nvu"), none, nv::TKojinData(), nv::KojinViewState{}));
  const ToolResult empty = nvtool(dir, "menu-print empty.nvu --data NV.nv -o e.pdf --table");
  EXPECT_EQ(empty.status, 1);
  EXPECT_EQ(empty.err, "nvtool: 印刷する献立がありません。\n");
}

// Names of the whole 47 bytes widen the table past the 1000-pixel band: the sheet still holds
// every column, the names beside the salt.
TEST(NvtoolMenu, PrintFitsATableOfLongNamesToTheSheet) {
  nvtest::TempDir dir;
  const char* dish = "にんじんとごぼうとれんこんのきんぴらふうにもの";
  const char* food = "こくさんだいずのもめんどうふ（きぬごしふう）";
  nvtest::writeBytes(dir.file("foods.csv"), nv::sj(std::string("h\nA1,") + food +
                                                   ",4,1,72,6.6,4.2,120,0.9,0,0.07,0.03,0,0\n"));
  nvtest::writeBytes(dir.file("dishes.csv"),
                     nv::sj(std::string("h\nおかず,") + dish + "," + food + ",150\n"));
  ASSERT_EQ(nvtool(dir, "convert foods.csv dishes.csv -o NV.nv").status, 0);
  nv::SelectedMenu menu;
  for (int meal = 0; meal < 3; ++meal) {
    nv::SelDish d;
    d.kondateNo = 0;
    d.caption = nv::sj(dish);
    d.usedFoods = {{0, 150, 150}};
    d.weight = d.standardWeight = 150;
    menu.add(meal, d);
  }
  ASSERT_TRUE(nv::saveMenuFile(dir.file("long.nvu"), menu, nv::TKojinData(), nv::KojinViewState{}));
  ASSERT_EQ(nvtool(dir, "menu-print long.nvu --data NV.nv -o long.pdf --table").status, 0);
  EXPECT_EQ(pdfPages(dir, "long.pdf"), 1);
  const std::string words = pdfText(dir, "long.pdf");
  for (const char* w : {dish, food, "番号", "塩分"})
    EXPECT_NE(words.find(w), std::string::npos) << w;
}
