#include <gtest/gtest.h>

#include "core/nv_file.h"
#include "kondate_fixtures.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "scripted_prompt.h"
#include "temp_dir.h"

namespace {
using namespace nvtest;
using nv::Answer;
using nv::Buttons;
using nv::Icon;

const char kOverwrite[] =
    ">は追加済みの献立です。\n\n 処理を続行すると、以前のデータが消えます。\n\n 　　続行しても"
    "よいなら「はい」を\n\n 　　以前のデータの残す場合は「いいえ」を\n\n クリックして下さい。";
const char kCombineAsk[] =
    "追加した献立データを通常の献立データに結合します。\nこの処理を行うと、追加した献立は削除で"
    "きなくなります。\n\n下の「はい」をクリックすると、処理を開始します。\n\nもし意味が分からな"
    "ければ「いいえ」をクリックして処理を中断して下さい。";
const char kDeleteAsk[] =
    "結合処理は終了しました。\n\n追加献立ファイルは以後、不要です。\n下の「はい」をクリックする"
    "と、追加献立ファイルを削除します。\n\nもし意味が分からなければ「いいえ」をクリックして処理"
    "を中断して下さい。";

std::vector<nv::KondateGridRow> grid(const std::vector<std::pair<std::string, std::string>>& rows) {
  std::vector<nv::KondateGridRow> out;
  for (auto& [food, grams] : rows) out.push_back({nv::sj(food), grams});
  return out;
}

struct Regist : ::testing::Test {
  nv::TFoodData foods = foodsNamed({"こめ", "たまご", "ねぎ"});
  nv::TKondateData db;
  bool regist(const std::string& cat, const std::string& name,
              const std::vector<std::pair<std::string, std::string>>& rows) {
    return db.RegistKondate(nv::sj(cat), nv::sj(name), grid(rows), true, &foods);
  }
};

TEST_F(Regist, FirstDishMakesItsCategoryAndGetsNumber100001) {
  ScriptedPrompt p;
  p.expectBox("ねぎ", "重さが 0 なので登録しません", Icon::Warning)
      .expectBox("献立を追加しました", "確認", Icon::Information);
  ASSERT_TRUE(
      regist("ごはん", "卵かけごはん",
             {{"こめ", " 1 20 "}, {"たまご", "50.5"}, {"ねぎ", "0"}, {"みりん", "3"}, {"", ""}}));
  EXPECT_TRUE(db.modified());
  ASSERT_EQ(db.orders().size(), 1u);
  const nv::TKondate& k = db.orders()[0].added.at(0);
  EXPECT_EQ(k.number, 100001);
  EXPECT_EQ(k.standardWeight, 173.5);
  ASSERT_EQ(k.foods.size(), 3u);
  EXPECT_EQ(k.foods[0].foodNumber, 1);
  EXPECT_EQ(k.foods[0].amount, 120);
  EXPECT_EQ(k.foods[2].foodNumber, -1);  // みりん is not in the table
}

TEST_F(Regist, SameNameAsksBeforeReplacing) {
  {
    ScriptedPrompt p;
    p.expectBox("献立を追加しました", "確認", Icon::Information);
    ASSERT_TRUE(regist("ごはん", "おにぎり", {{"こめ", "100"}}));
  }
  db.setModified(false);
  {
    ScriptedPrompt p;
    p.expectBox(std::string("<おにぎり") + kOverwrite, "修正の確認", Icon::Question, Buttons::YesNo,
                Answer::No);
    EXPECT_FALSE(regist("ごはん", "おにぎり", {{"こめ", "200"}}));
    EXPECT_FALSE(db.modified());
    EXPECT_EQ(db.standardWeightOf(100001), 100);
  }
  {
    ScriptedPrompt p;
    p.expectBox(std::string("<おにぎり") + kOverwrite, "修正の確認", Icon::Question, Buttons::YesNo,
                Answer::Yes);
    EXPECT_TRUE(regist("ごはん", "おにぎり", {{"こめ", "200"}, {"たまご", "5"}}));
    EXPECT_TRUE(db.modified());
    EXPECT_EQ(db.orders()[0].added.size(), 1u);
    EXPECT_EQ(db.orders()[0].added[0].number, 100001);  // the replaced dish keeps its number
    EXPECT_EQ(db.standardWeightOf(100001), 205);
  }
}

TEST_F(Regist, UnknownCategoryIsAnnouncedAndAppendedAfterTheOthers) {
  for (const char* c : {"ごはん", "めん"}) category(db, c).base = {dish(5, "もの")};
  ScriptedPrompt p;
  p.expectBox("お祝い", "分類名を追加します", Icon::Information);
  ASSERT_TRUE(regist("お祝い", "赤飯", {{"こめ", "90"}}));
  ASSERT_EQ(db.orders().size(), 3u);
  EXPECT_EQ(u8(db.orders()[2].name), "お祝い");
  EXPECT_EQ(db.numberOf(nv::sj("お祝い"), nv::sj("赤飯")), 100001);
}

TEST_F(Regist, WithoutTheFormNothingIsAdded) {
  ScriptedPrompt p;
  p.expectMessage("追加できません(内部エラー「献立フォームがNULL」です)");
  EXPECT_FALSE(db.RegistKondate(nv::sj("ごはん"), nv::sj("x"), grid({{"こめ", "1"}}), false));
  EXPECT_TRUE(db.empty());
  EXPECT_FALSE(db.modified());
}

TEST_F(Regist, NumbersFollowTheLargestAfterCombining) {
  category(db, "ごはん").base = {dish(3, "ごはん")};
  ScriptedPrompt p;
  p.expectBox("献立を追加しました", "確認", Icon::Information)
      .expectBox("献立を追加しました", "確認", Icon::Information)
      .expectBox("献立を追加しました", "確認", Icon::Information);
  regist("ごはん", "a", {{"こめ", "1"}});
  regist("ごはん", "b", {{"こめ", "1"}});
  EXPECT_EQ(db.orders()[0].added[1].number, 100002);
  db.combineAdded();
  EXPECT_TRUE(db.orders()[0].added.empty());
  EXPECT_EQ(db.orders()[0].base.size(), 3u);
  regist("ごはん", "c", {{"こめ", "1"}});
  EXPECT_EQ(db.orders()[0].added[0].number, 100003);
}

TEST(KondateEdit, DeleteAddedKondateFindsTheFirstCategoryWithAddedDishes) {
  nv::TKondateData db;
  category(db, "ごはん").base = {dish(1, "おにぎり")};
  db.orders().push_back(nv::TOrder::make(nv::sj("ごはん")));  // a second one of that name
  db.orders()[1].added = {dish(100001, "おにぎり"), dish(100002, "おにぎり")};
  EXPECT_TRUE(db.DeleteAddedKondate(nv::sj("ごはん"), nv::sj("やきめし")));
  EXPECT_FALSE(db.modified());
  EXPECT_TRUE(db.DeleteAddedKondate(nv::sj("ごはん"), nv::sj("おにぎり")));
  EXPECT_TRUE(db.modified());
  ASSERT_EQ(db.orders()[1].added.size(), 1u);
  EXPECT_EQ(db.orders()[1].added[0].number, 100002);
  EXPECT_EQ(db.orders()[0].base.size(), 1u);
  EXPECT_FALSE(db.DeleteAddedKondate(nv::sj("めん"), nv::sj("おにぎり")));
}

TEST(KondateEdit, GridOfACaptionPicksBaseOrAddedDishes) {
  nv::TFoodData foods = foodsNamed({"こめ", "たまご"});
  nv::TKondateData db;
  category(db, "ごはん").base = {dish(1, "おにぎり", {{1, 100}})};
  category(db, "ごはん").added = {dish(100001, "おにぎり", {{2, 12.5}, {7, 1}})};
  auto base = db.gridOf(nv::sj("ごはん"), nv::sj("おにぎり"), &foods);
  ASSERT_TRUE(base);
  ASSERT_EQ(base->size(), 2u);
  EXPECT_EQ(u8((*base)[1][0]), "こめ");
  auto added = db.gridOf(nv::sj("*ごはん"), nv::sj("おにぎり"), &foods);
  ASSERT_TRUE(added);
  ASSERT_EQ(added->size(), 3u);
  EXPECT_EQ((*added)[1][1], "12.5");
  EXPECT_EQ(u8((*added)[2][0]), "不明な食品:7");
  EXPECT_FALSE(db.gridOf(nv::sj("ごはん"), nv::sj("ない"), &foods));
  EXPECT_FALSE(db.gridOf(nv::sj("*めん"), nv::sj("おにぎり"), &foods));
}

struct Combine : ::testing::Test {
  TempDir dir;
  nv::TFoodData foods = foodsNamed({"こめ"});
  nv::TKondateData db;
  std::string data = dir.file("NV.nv");
  std::string add = dir.file("NV_ADD.nv");
  void SetUp() override {
    category(db, "ごはん").base = {dish(1, "ごはん", {{1, 80}})};
    category(db, "ごはん").added = {dish(100001, "おにぎり", {{1, 100}})};
    writeBytes(data, "old");
    writeBytes(add, "old add");
  }
};

TEST_F(Combine, YesTwiceRewritesTheDataFileAndDeletesTheAddFile) {
  ScriptedPrompt p;
  p.expectBox(kCombineAsk, "処理を始めてよろしいですか？", Icon::Question, Buttons::YesNo,
              Answer::Yes)
      .expectBox(kDeleteAsk, "追加献立ファイルを削除しますか？", Icon::Question, Buttons::YesNo,
                 Answer::Yes);
  ASSERT_TRUE(db.combine(foods, data, add));
  EXPECT_FALSE(nv::fileExists(add));
  nv::TFoodData foods2;
  nv::TKondateData back;
  ASSERT_TRUE(nv::loadDataFile(data, foods2, back, false));
  ASSERT_EQ(back.orders()[0].base.size(), 2u);
  EXPECT_EQ(back.orders()[0].base[0].number, 100001);  // おにぎり is written before ごはん
  EXPECT_TRUE(back.orders()[0].added.empty());
}

TEST_F(Combine, NoAtEitherQuestionStopsThere) {
  {
    ScriptedPrompt p;
    p.expectBox(kCombineAsk, "処理を始めてよろしいですか？", Icon::Question, Buttons::YesNo,
                Answer::No);
    EXPECT_FALSE(db.combine(foods, data, add));
    EXPECT_EQ(readBytes(data), "old");
    EXPECT_EQ(db.orders()[0].added.size(), 1u);
  }
  ScriptedPrompt p;
  p.expectBox(kCombineAsk, "処理を始めてよろしいですか？", Icon::Question, Buttons::YesNo,
              Answer::Yes)
      .expectBox(kDeleteAsk, "追加献立ファイルを削除しますか？", Icon::Question, Buttons::YesNo,
                 Answer::No);
  EXPECT_TRUE(db.combine(foods, data, add));
  EXPECT_EQ(readBytes(add), "old add");
  EXPECT_NE(readBytes(data), "old");
}

TEST_F(Combine, UnwritableDataFileLeavesTheAddedDishesApart) {
  std::string bad = dir.file("ない/NV.nv");
  ScriptedPrompt p;
  p.expectBox(kCombineAsk, "処理を始めてよろしいですか？", Icon::Question, Buttons::YesNo,
              Answer::Yes)
      .expectBox(u8(bad), "データファイルに書き込めません", Icon::Stop);
  EXPECT_FALSE(db.combine(foods, bad, add));
  EXPECT_EQ(db.orders()[0].added.size(), 1u);
  EXPECT_EQ(db.orders()[0].base.size(), 1u);
  EXPECT_EQ(readBytes(add), "old add");
}

}  // namespace
