#include "planner/model/selected_menu.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "byte_builder.h"
#include "core/food.h"
#include "core/kojin_data.h"
#include "planner/model/menu_file.h"
#include "platform/binio.h"
#include "platform/text.h"
#include "scripted_prompt.h"
#include "shown.h"
#include "temp_dir.h"

using nv::sj;

namespace {
nv::TFoodData twoFoods() {
  nv::TFood rice;
  rice.number = 1;
  rice.name = sj("ごはん");
  rice.group = 5;
  rice.nutrients[nv::kEnergy] = 156;
  nv::TFood milk;
  milk.number = 2;
  milk.name = sj("牛乳");
  milk.group = 2;
  milk.nutrients[nv::kEnergy] = 61;
  milk.nutrients[nv::kCalcium] = 110;
  nv::TFoodData data;
  data.setFoods({rice, milk});
  return data;
}

nv::SelDish riceDish() {
  nv::SelDish d;
  d.kondateNo = 7;
  d.caption = sj("ごはん");
  d.hint = nv::SelectedMenu::hintFor(0, d.caption);
  d.standardWeight = 150;
  d.usedFoods = {{1, 150, 150}};
  return d;
}

nv::SelDish milkDish() {
  nv::SelDish d;
  d.kondateNo = 9;
  d.caption = sj("牛乳");
  d.hint = nv::SelectedMenu::hintFor(1, d.caption);
  d.standardWeight = 200;
  d.usedFoods = {{2, 200, 200}};
  return d;
}
}  // namespace

// Dishes numbered as the chosen-menu window numbers them: the counter, then one more.
bool addNumbered(nv::SelectedMenu& menu, int meal, nv::SelDish dish) {
  dish.serialNo = menu.nextSerial();
  return menu.add(meal, dish);
}

TEST(SelectedMenu, ADishStandsOnItsMealAndTheDayAndGoesFromBoth) {
  nv::SelectedMenu menu;
  ASSERT_TRUE(addNumbered(menu, 0, riceDish()));
  ASSERT_TRUE(addNumbered(menu, 1, milkDish()));
  EXPECT_FALSE(menu.add(3, riceDish()));  // the day node is not a meal
  EXPECT_TRUE(menu.modified());
  ASSERT_EQ(menu.dishes(3).size(), 2u);
  int32_t serial = menu.dishes(0)[0].serialNo;
  EXPECT_EQ(menu.dishes(3)[0].serialNo, serial);
  EXPECT_EQ(menu.dishes(0)[0].hint, sj("朝食：ごはん"));

  EXPECT_TRUE(menu.setAmounts(serial, {{1, 225, 150}}));
  EXPECT_DOUBLE_EQ(menu.dishes(3)[0].weight, 225);
  EXPECT_DOUBLE_EQ(menu.dishes(0)[0].pictureScale(), 1.5);

  EXPECT_TRUE(menu.remove(serial));
  EXPECT_TRUE(menu.dishes(0).empty());
  EXPECT_EQ(menu.dishes(3).size(), 1u);
  EXPECT_FALSE(menu.remove(serial));
}

TEST(SelectedMenu, SerialsStayValidAndUniqueAtTheTopOfTheRange) {
  nv::SelectedMenu menu;
  menu.replace({std::vector<nv::SelDish>{riceDish(), riceDish()}, {}, {}}, INT32_MAX);
  ASSERT_EQ(menu.counter(), INT32_MAX);
  std::set<int32_t> serials;
  for (const nv::SelDish& d : menu.dishes(0)) serials.insert(d.serialNo);
  for (int i = 0; i < 3; ++i) {
    nv::SelDish milk = milkDish();
    milk.serialNo = menu.nextSerial();
    ASSERT_TRUE(menu.add(1, milk));
    const int32_t serial = menu.dishes(1).back().serialNo;
    EXPECT_GE(serial, 0);
    EXPECT_TRUE(serials.insert(serial).second) << serial;
  }
  EXPECT_EQ(menu.counter(), INT32_MAX);
}

TEST(SelectedMenu, BalanceSumsMealsForTheDayAndPreviewsTheDishUnderEdit) {
  nv::TFoodData foods = twoFoods();
  nv::SelectedMenu menu;
  addNumbered(menu, 0, riceDish());
  addNumbered(menu, 1, milkDish());
  nv::MealTotals breakfast = menu.totals(0, &foods);
  EXPECT_DOUBLE_EQ(breakfast.nutrients[nv::kEnergy], 234);
  EXPECT_DOUBLE_EQ(breakfast.groups[5], 150);
  nv::MealTotals day = menu.totals(3, &foods);
  EXPECT_DOUBLE_EQ(day.nutrients[nv::kEnergy], 234 + 122);
  EXPECT_DOUBLE_EQ(day.nutrients[nv::kCalcium], 220);
  EXPECT_DOUBLE_EQ(day.groups[2], 200);

  int32_t rice = menu.dishes(0)[0].serialNo;
  nv::TUsedFoodList preview = {{1, 300, 150}};
  nv::MealTotals edited = menu.totals(0, &foods, rice, &preview);
  EXPECT_DOUBLE_EQ(edited.nutrients[nv::kEnergy], 468);
  nv::MealTotals left = menu.totals(3, &foods, rice);
  EXPECT_DOUBLE_EQ(left.nutrients[nv::kEnergy], 122);
  // The table's notice of a food it lacks comes back with the totals for the window to show.
  nv::TUsedFoodList unknown = {{99, 10, 10}};
  const nv::MealTotals told = menu.totals(0, &foods, rice, &unknown);
  ASSERT_EQ(told.told.messages().size(), 1u);
  EXPECT_EQ(told.told.messages()[0], nv::plainMessage(nv::sj("食品が見つかりませんでした:99")));
}

TEST(MenuFile, EmptyMenuHoldsHeaderProfileThreeZeroCountsAndTheCounter) {
  nvtest::TempDir dir;
  nv::SelectedMenu menu;
  menu.nextSerial();
  menu.nextSerial();
  nv::TKojinData profile;
  profile.setName(sj("はなこ"));
  nv::KojinViewState view;
  ASSERT_TRUE(nvtest::shown(nv::saveMenuFile(dir.file("a.nvu"), menu, profile, view)));

  nv::ByteWriter person;
  profile.writeRecord(person, view);
  nvtest::Bytes want;
  want.text("Nuvelta Used Food Data Version = 1.02", 128)
      .raw(person.data())
      .i32(0)
      .i32(0)
      .i32(0)
      .i32(2);
  EXPECT_EQ(nvtest::readBytes(dir.file("a.nvu")), want.str());
}

TEST(MenuFile, DishRecordsMatchTheLayoutAndReadBack) {
  nvtest::TempDir dir;
  nv::SelectedMenu menu;
  addNumbered(menu, 1, milkDish());
  nv::TKojinData profile;
  ASSERT_TRUE(nvtest::shown(nv::saveMenuFile(dir.file("b.nvu"), menu, profile, {})));
  EXPECT_FALSE(menu.modified());

  nv::ByteWriter person;
  profile.writeRecord(person, {});
  nvtest::Bytes want;
  want.text("Nuvelta Used Food Data Version = 1.02", 128).raw(person.data()).i32(0).i32(1);
  want.i32(9).f64(200).text(sj("昼食：牛乳"), 128).i32(1);
  want.i32(2).fill(4).f64(200).f64(200).fill(8);
  want.i32(0).i32(1);
  EXPECT_EQ(nvtest::readBytes(dir.file("b.nvu")), want.str());

  nv::SelectedMenu loaded;
  for (int i = 0; i < 5; ++i) loaded.nextSerial();  // numbers already used in this run
  nv::TKojinData other;
  nv::DishLookup lookup{[](int32_t n) { return n == 9 ? sj("牛乳") : sj("不明な献立"); },
                        [](int32_t) { return 180.0; }};
  ASSERT_TRUE(nvtest::shown(nv::loadMenuFile(dir.file("b.nvu"), loaded, other, lookup)));
  ASSERT_EQ(loaded.dishes(1).size(), 1u);
  ASSERT_EQ(loaded.dishes(3).size(), 1u);
  const nv::SelDish& d = loaded.dishes(1)[0];
  EXPECT_EQ(d.caption, sj("牛乳"));
  EXPECT_EQ(d.hint, sj("昼食：牛乳"));
  EXPECT_DOUBLE_EQ(d.standardWeight, 180);
  EXPECT_EQ(d.serialNo, 5);
  // The stored counter (1) is lower than the numbers handed out: new dishes stay unique.
  EXPECT_GT(loaded.nextSerial(), 5);
}

// The first dish of a run is number 0 and a file of n dishes stores the counter n, so a file
// read in a fresh run numbers its dishes as the run that wrote it did.
TEST(MenuFile, SerialNumbersStartAtZeroAndReadBackTheSame) {
  nvtest::TempDir dir;
  nv::SelectedMenu menu;
  addNumbered(menu, 0, riceDish());
  addNumbered(menu, 2, milkDish());
  EXPECT_EQ(menu.dishes(0)[0].serialNo, 0);
  EXPECT_EQ(menu.dishes(2)[0].serialNo, 1);
  EXPECT_EQ(menu.counter(), 2);
  nv::TKojinData profile;
  ASSERT_TRUE(nvtest::shown(nv::saveMenuFile(dir.file("two.nvu"), menu, profile, {})));
  const std::string bytes = nvtest::readBytes(dir.file("two.nvu"));
  EXPECT_EQ(nv::getInt32LE(bytes.data() + bytes.size() - 4), 2);

  nv::SelectedMenu fresh;
  nv::TKojinData other;
  ASSERT_TRUE(nvtest::shown(nv::loadMenuFile(dir.file("two.nvu"), fresh, other, {})));
  EXPECT_EQ(fresh.dishes(0)[0].serialNo, 0);
  EXPECT_EQ(fresh.dishes(2)[0].serialNo, 1);
  EXPECT_EQ(fresh.dishes(3)[1].serialNo, 1);
  EXPECT_EQ(fresh.nextSerial(), 2);
}

TEST(MenuFile, DamagedFilesAreReportedAndChangeNothing) {
  nvtest::TempDir dir;
  nv::SelectedMenu menu;
  addNumbered(menu, 0, riceDish());
  nv::TKojinData profile;
  profile.setName(sj("たろう"));
  ASSERT_TRUE(nvtest::shown(nv::saveMenuFile(dir.file("good.nvu"), menu, profile, {})));
  std::string good = nvtest::readBytes(dir.file("good.nvu"));

  nvtest::ScriptedPrompt prompt;
  nv::TKojinData target;
  target.setName(sj("じろう"));
  nv::SelectedMenu keep;
  addNumbered(keep, 2, milkDish());

  std::string missing = dir.file("missing.nvu");
  prompt.expectBox(nv::cp932ToUtf8(missing), "読み込みのためにオープンできません", nv::Icon::None);
  EXPECT_FALSE(nvtest::shown(nv::loadMenuFile(missing, keep, target, {})));

  nvtest::writeBytes(dir.file("short.nvu"), good.substr(0, 100));
  prompt.expectBox("Nuvelta の選択済み献立データではないようです", "確認", nv::Icon::Stop);
  EXPECT_FALSE(nvtest::shown(nv::loadMenuFile(dir.file("short.nvu"), keep, target, {})));

  std::string other = good;
  other[36] = '1';  // "... = 1.01"
  nvtest::writeBytes(dir.file("old.nvu"), other);
  prompt.expectBox(
      "食品データのバージョンが異なるので、選択済み献立データを読み込めません。\n\n<Nuvelta Used "
      "Food Data "
      "Version = 1.01>と\n<Nuvelta Used Food Data Version = 1.02>が異なります",
      "確認", nv::Icon::Stop);
  EXPECT_FALSE(nvtest::shown(nv::loadMenuFile(dir.file("old.nvu"), keep, target, {})));

  // Cut inside the dish records, and an absurd dish count.
  nvtest::writeBytes(dir.file("cut.nvu"), good.substr(0, good.size() - 30));
  prompt.expectBox(nv::cp932ToUtf8(dir.file("cut.nvu")), "正しく読み込めませんでした",
                   nv::Icon::None);
  EXPECT_FALSE(nvtest::shown(nv::loadMenuFile(dir.file("cut.nvu"), keep, target, {})));
  std::string huge = good;
  nv::putInt32LE(huge.data() + 128 + 14 * 128, 0x7FFFFFFF);
  nvtest::writeBytes(dir.file("huge.nvu"), huge);
  prompt.expectBox(nv::cp932ToUtf8(dir.file("huge.nvu")), "正しく読み込めませんでした",
                   nv::Icon::None);
  EXPECT_FALSE(nvtest::shown(nv::loadMenuFile(dir.file("huge.nvu"), keep, target, {})));

  EXPECT_EQ(target.name(), sj("じろう"));
  EXPECT_EQ(keep.dishes(2).size(), 1u);
}
