#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include "core/nv_file.h"
#include "kondate_fixtures.h"
#include "platform/binio.h"
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
    return db.RegistKondate(nv::sj(cat), nv::sj(name), grid(rows), foods);
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

TEST_F(Regist, ANameAddedInAnotherCategoryAsksWhichToKeep) {
  const std::string ask =
      "<おにぎり>は分類「ごはん」にも追加済みの献立です。\n\n「はい」：「ごはん」の献立を消して、"
      "「軽食」に登録します\n「いいえ」：両方の分類に残します\n「キャンセル」：登録しません";
  category(db, "ごはん");
  category(db, "軽食").base = {dish(1, "パン")};
  {
    ScriptedPrompt p;
    p.expectBox("献立を追加しました", "確認", Icon::Information);
    ASSERT_TRUE(regist("ごはん", "おにぎり", {{"こめ", "100"}}));
    p.expectBox(ask, "分類の確認", Icon::Question, Buttons::YesNoCancel, Answer::Cancel);
    EXPECT_FALSE(regist("軽食", "おにぎり", {{"こめ", "120"}}));
    EXPECT_EQ(db.numberOf(nv::sj("軽食"), nv::sj("おにぎり")), 0);
    // Both kept: the old one stays where it was.
    p.expectBox(ask, "分類の確認", Icon::Question, Buttons::YesNoCancel, Answer::No);
    p.expectBox("献立を追加しました", "確認", Icon::Information);
    ASSERT_TRUE(regist("軽食", "おにぎり", {{"こめ", "120"}}));
    EXPECT_EQ(db.orders()[0].added.size(), 1u);
    EXPECT_EQ(db.orders()[1].added.size(), 1u);
  }
  ScriptedPrompt p;
  // Replacing within the same category asks only the usual question.
  p.expectBox(std::string("<おにぎり") + kOverwrite, "修正の確認", Icon::Question, Buttons::YesNo,
              Answer::Yes);
  ASSERT_TRUE(regist("軽食", "おにぎり", {{"こめ", "130"}}));
  // Moved: only the new category keeps the dish.
  ASSERT_TRUE(db.DeleteAddedKondate(nv::sj("軽食"), nv::sj("おにぎり")));
  p.expectBox(ask, "分類の確認", Icon::Question, Buttons::YesNoCancel, Answer::Yes);
  p.expectBox("献立を追加しました", "確認", Icon::Information);
  ASSERT_TRUE(regist("軽食", "おにぎり", {{"こめ", "140"}}));
  EXPECT_TRUE(db.orders()[0].added.empty());
  EXPECT_EQ(db.standardWeightOf(db.numberOf(nv::sj("軽食"), nv::sj("おにぎり"))), 140);
}

TEST_F(Regist, LongNamesAreCutBetweenCharactersAndKeptSoInTheFile) {
  // 25 kana are 50 bytes; 47 would end on the lead byte of the 24th.
  std::string kana25;
  for (int i = 0; i < 25; ++i) kana25 += "あ";
  const std::string cut = nv::sj(kana25).substr(0, 46);
  ScriptedPrompt p;
  p.expectBox(nv::cp932ToUtf8(cut), "分類名を追加します", Icon::Information);
  category(db, "ごはん");
  ASSERT_TRUE(regist(kana25, kana25, {{"こめ", "100"}}));
  EXPECT_EQ(db.orders()[1].name, cut);
  EXPECT_EQ(db.orders()[1].added[0].name, cut);
  TempDir dir;
  ASSERT_TRUE(db.writeAddFile(dir.file("NV_ADD.nv")));
  nv::TKondateData back;
  ASSERT_TRUE(back.readAddFile(dir.file("NV_ADD.nv")));
  EXPECT_EQ(back.nameOf(100001), cut);
  // Fixed fields cut what they are given the same way.
  nv::ByteWriter w;
  w.fixedText(nv::sj(kana25), 48);
  EXPECT_EQ(w.data(), cut + std::string(2, '\0'));
  EXPECT_EQ(nv::cutBytes("ab\x82"
                         "c",
                         3),
            "ab");
  EXPECT_EQ(nv::cutBytes(nv::sj("ｱい"), 2), nv::sj("ｱ"));
  EXPECT_EQ(nv::cutBytes(nv::sj("ｱい"), 3), nv::sj("ｱい"));
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
  EXPECT_FALSE(
      db.RegistKondate(nv::sj("ごはん"), nv::sj("x"), grid({{"こめ", "1"}}), foods, false));
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
  auto base = db.gridOf(nv::sj("ごはん"), nv::sj("おにぎり"), foods);
  ASSERT_TRUE(base);
  ASSERT_EQ(base->size(), 2u);
  EXPECT_EQ(u8((*base)[1][0]), "こめ");
  auto added = db.gridOf(nv::sj("*ごはん"), nv::sj("おにぎり"), foods);
  ASSERT_TRUE(added);
  ASSERT_EQ(added->size(), 3u);
  EXPECT_EQ((*added)[1][1], "12.5");
  EXPECT_EQ(u8((*added)[2][0]), "不明な食品:7");
  EXPECT_FALSE(db.gridOf(nv::sj("ごはん"), nv::sj("ない"), foods));
  EXPECT_FALSE(db.gridOf(nv::sj("*めん"), nv::sj("おにぎり"), foods));
}

// Limits the size of files this process writes, for the lifetime of the object.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limited = previous_;
    limited.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit previous_{};
  void (*previousHandler_)(int) = nullptr;
};

struct Combine : ::testing::Test {
  TempDir dir;
  nv::TFoodData foods = foodsNamed({"こめ"});
  nv::TKondateData db;
  std::string data = dir.file("NV.nv");
  std::string add = dir.file("NV_ADD.nv");
  std::string oldData, oldAdd;
  void SetUp() override {
    category(db, "ごはん").base = {dish(1, "ごはん", {{1, 80}})};
    category(db, "ごはん").added = {dish(100001, "おにぎり", {{1, 100}})};
    oldData = nv::dataFileBytes(foods, db);
    nv::ByteWriter added;
    db.writeAddedSection(added);
    oldAdd = added.data();
    writeBytes(data, oldData);
    writeBytes(add, oldAdd);
  }
  // The refusal box, with both paths.
  void expectRefusal(ScriptedPrompt& p, const std::string& dataPath) {
    p.expectBox(
        "献立データファイルか追加献立ファイルを最後まで読み込めていないため、結合しません"
        "。\n\n" +
            u8(dataPath) + "\n" + u8(add),
        "結合できません", Icon::Stop);
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
    EXPECT_EQ(readBytes(data), oldData);
    EXPECT_EQ(db.orders()[0].added.size(), 1u);
  }
  ScriptedPrompt p;
  p.expectBox(kCombineAsk, "処理を始めてよろしいですか？", Icon::Question, Buttons::YesNo,
              Answer::Yes)
      .expectBox(kDeleteAsk, "追加献立ファイルを削除しますか？", Icon::Question, Buttons::YesNo,
                 Answer::No);
  EXPECT_TRUE(db.combine(foods, data, add));
  EXPECT_EQ(readBytes(add), oldAdd);
  EXPECT_NE(readBytes(data), oldData);
}

TEST_F(Combine, UnwritableDataFileLeavesTheAddedDishesApart) {
  ScriptedPrompt p;
  p.expectBox(kCombineAsk, "処理を始めてよろしいですか？", Icon::Question, Buttons::YesNo,
              Answer::Yes)
      .expectBox(u8(data), "データファイルに書き込めません", Icon::Stop);
  {
    // A full disk: writes past 64 bytes fail (with the signal ignored, as EFBIG).
    FileSizeLimit full(64);
    EXPECT_FALSE(db.combine(foods, data, add));
  }
  EXPECT_EQ(db.orders()[0].added.size(), 1u);
  EXPECT_EQ(db.orders()[0].base.size(), 1u);
  EXPECT_EQ(readBytes(data), oldData);
  EXPECT_EQ(readBytes(add), oldAdd);
}

TEST_F(Combine, RefusedUnlessBothFilesReadWhole) {
  std::string badMagic = oldData;
  badMagic[0] = 'X';
  std::string badVersion = oldData;  // the dish section's version, after its magic
  badVersion[nv::kFoodMagicSize + 8 + 176 + 128] = 4;
  const std::string cases[][2] = {
      {badMagic, oldAdd},
      {badVersion, oldAdd},
      {oldData.substr(0, oldData.size() - 10), oldAdd},
      {oldData, oldAdd.substr(0, oldAdd.size() - 10)},
  };
  for (const auto& c : cases) {
    writeBytes(data, c[0]);
    writeBytes(add, c[1]);
    ScriptedPrompt p;
    expectRefusal(p, data);
    EXPECT_FALSE(db.combine(foods, data, add));
    EXPECT_EQ(readBytes(data), c[0]);
    EXPECT_EQ(readBytes(add), c[1]);
    EXPECT_EQ(db.orders()[0].added.size(), 1u);
  }
  // A data file that is not there, or holds fewer dishes than memory (read in part earlier).
  nv::TKondateData fewer;
  category(fewer, "ごはん");
  writeBytes(data, nv::dataFileBytes(foods, fewer));
  writeBytes(add, oldAdd);
  {
    ScriptedPrompt p;
    expectRefusal(p, data);
    EXPECT_FALSE(db.combine(foods, data, add));
  }
  ASSERT_TRUE(nv::removeFile(data));
  ScriptedPrompt p;
  expectRefusal(p, data);
  EXPECT_FALSE(db.combine(foods, data, add));
  EXPECT_FALSE(nv::fileExists(data));
  EXPECT_EQ(readBytes(add), oldAdd);
}

TEST_F(Combine, NoAddFileCombinesWhatMemoryHolds) {
  ASSERT_TRUE(nv::removeFile(add));
  ScriptedPrompt p;
  EXPECT_TRUE(db.combine(foods, data, add, false));
  EXPECT_EQ(db.orders()[0].base.size(), 2u);
}

TEST_F(Combine, AnAddFileThatCannotBeDeletedPutsTheDataFileBack) {
  // A descriptor's name under /proc reads as the file but can never be unlinked.
  const int fd = ::open(nv::toFsPath(add).c_str(), O_RDONLY);
  ASSERT_GE(fd, 0);
  const std::string undeletable = "/proc/self/fd/" + std::to_string(fd);
  ScriptedPrompt p;
  p.expectBox(undeletable + "\n\n追加献立ファイルを削除できないため、結合を取り消しました。",
              "追加献立ファイルを削除できません", Icon::Stop);
  EXPECT_FALSE(db.combine(foods, data, undeletable, false));
  ::close(fd);
  EXPECT_EQ(readBytes(data), oldData);
  EXPECT_EQ(readBytes(add), oldAdd);
  EXPECT_EQ(db.orders()[0].added.size(), 1u);
  EXPECT_EQ(db.orders()[0].base.size(), 1u);
}

}  // namespace
