#include "bento/model/recipe_book.h"

#include <gtest/gtest.h>

#include "bento_test_util.h"

using nv::BookGrouping;
using nv::KRect;
using nv::sj;

namespace {

TEST(RecipeBook, GroupingCyclesThroughTheFourLists) {
  nv::BookLists lists{{sj("ごはん")}, {sj("弁当箱")}, {sj("冷蔵庫")}, {}};
  nv::readingGroups(lists.readingGroups);
  BookGrouping g = BookGrouping::Category;
  std::string captions;
  for (int i = 0; i < 5; ++i) {
    captions += nv::groupingCaption(g) + "/" + nv::groupNames(lists, g).front() + " ";
    g = nextGrouping(g);
  }
  EXPECT_EQ(captions, sj("作り方/ごはん 置く場所/弁当箱 保存場所/冷蔵庫 あいうえお順/あ行 "
                         "作り方/ごはん "));
  EXPECT_EQ(nv::pointCaption(BookGrouping::Placement, sj("弁当箱")), sj("置く場所（弁当箱）"));
  EXPECT_EQ(nv::kindsCaption(12), sj("12種類"));
}

TEST(RecipeBook, GroupButtonsFillTwoColumnsRowByRow) {
  const KRect frame{100, 50, 353, 302};  // 253 x 252
  const auto five = nv::groupButtonRects(frame, 5);
  ASSERT_EQ(five.size(), 5u);
  // Column 126, width 122; three rows of pitch 84, height capped at 28.
  EXPECT_EQ(five[0], (KRect{100, 50, 222, 78}));
  EXPECT_EQ(five[1], (KRect{226, 50, 348, 78}));
  EXPECT_EQ(five[4], (KRect{100, 218, 222, 246}));
  // Many names: the pitch decides the height.
  const auto many = nv::groupButtonRects(frame, 30);
  EXPECT_EQ(many[29].top, 50 + 14 * 16);
  EXPECT_EQ(many[29].height(), 12);
  EXPECT_TRUE(nv::groupButtonRects(frame, 0).empty());
}

TEST(RecipeBook, DishesOfAGroupAreSortedAndStorageIsTheFallback) {
  nv::TDaidokoro k;
  k.Categories = {sj("ごはん"), sj("おかず")};
  k.Placements = {sj("弁当箱")};
  k.Storages = {sj("冷蔵庫"), sj("炊飯器")};
  const std::pair<const char*, int> dishes[] = {
      {"まぜごはん", 0}, {"たまごやき", 1}, {"おにぎり", 1}, {"からあげ", 1}};
  for (auto [name, group] : dishes) {
    nv::TBentouData d = nvtest::dish(name, 0, 100, {});
    d.CategoryIndex = d.StorageIndex = group;
    k.Dishes.push_back(d);
  }
  EXPECT_EQ(nv::bookDishes(k, BookGrouping::Category, sj("おかず")),
            (nv::NameList{sj("おにぎり"), sj("からあげ"), sj("たまごやき")}));
  EXPECT_EQ(nv::bookDishes(k, BookGrouping::Storage, sj("冷蔵庫")),
            (nv::NameList{sj("まぜごはん")}));
  EXPECT_EQ(nv::bookDishes(k, BookGrouping::Placement, sj("弁当箱")).size(), 4u);
  EXPECT_EQ(nv::bookDishes(k, BookGrouping::Reading, sj("か行")), (nv::NameList{sj("からあげ")}));
}

TEST(RecipeBook, SizeAndScaledPlaces) {
  EXPECT_EQ(nv::bookClientSize(1024), (nv::KSize{819, 500}));
  const double s = 819 / 640.0;
  // Controls keep their own size; frames scale whole, truncated.
  EXPECT_EQ(nv::bookControlAt({78, 92, 278, 132}, s), (KRect{99, 117, 99, 117}));
  EXPECT_EQ(nv::bookFrameAt({44, 72, 596, 332}, s), (KRect{56, 92, 56 + 706, 92 + 332}));
  EXPECT_FALSE(nv::dishFrameUsable({0, 5, 100, 100}));
  EXPECT_TRUE(nv::dishFrameUsable(nv::bookFrameAt(nv::BookDesign{}.dishFrame, s)));
}

}  // namespace
