#include <gtest/gtest.h>

#include "bento/model/recipe_cutting.h"
#include "bento/model/recipe_layout.h"
#include "platform/text.h"

using nv::sj;

namespace {

// Every character is `size` wide and `size` high; single bytes count as characters too.
class FixedMeasurer : public nv::TextMeasurer {
 public:
  int width(std::string_view t, int size) const override { return chars(t) * size; }
  int height(std::string_view, int size) const override { return size; }
  static int chars(std::string_view t) {
    int n = 0;
    for (size_t i = 0; i < t.size(); ++n)
      i += nv::isCp932LeadByte(static_cast<unsigned char>(t[i])) ? 2 : 1;
    return n;
  }
};

std::vector<std::string> sjList(std::initializer_list<const char*> utf8) {
  std::vector<std::string> out;
  for (const char* s : utf8) out.push_back(sj(s));
  return out;
}

const nv::PlacedRun* findRun(const nv::StepLayout& l, const char* utf8) {
  for (const auto& r : l.runs)
    if (r.text == sj(utf8)) return &r;
  return nullptr;
}

int numberRuns(const nv::StepLayout& l) {
  int n = 0;
  for (const auto& r : l.runs)
    if (r.text.size() == 3 && r.text[2] == '.') ++n;
  return n;
}

}  // namespace

TEST(RecipeCutting, EachMethodOnceInTableOrder) {
  auto steps = sjList({"大根を千切りにする。", "人参も千切り、きゅうりはせん切り。"});
  EXPECT_EQ(nv::cuttingMethods(steps), sjList({"せん切り"}));

  // Found in table order, not in text order; alternative spellings map to one method.
  steps =
      sjList({"ねぎを小口切り、玉ねぎはみじんに切る。", "レモンを輪切り、トマトを櫛形切りに。"});
  EXPECT_EQ(nv::cuttingMethods(steps), sjList({"くし形切り", "輪切り", "小口切り", "みじん切り"}));
  EXPECT_TRUE(nv::cuttingMethods(sjList({"よく混ぜる。"})).empty());
}

TEST(RecipeCutting, SlotShrinksToFit) {
  EXPECT_EQ(nv::cuttingSlotSize(0), 96);
  EXPECT_EQ(nv::cuttingSlotSize(3), 96);
  EXPECT_EQ(nv::cuttingSlotSize(4), 83);
  EXPECT_EQ(nv::cuttingSlotSize(5), 66);
}

TEST(RecipeCutting, SearchRespectsCharacterBoundaries) {
  // "ア" is 0x83 0x41: its second byte followed by "B" reads "AB" in bytes.
  const std::string text = sj("ア") + "B";
  EXPECT_EQ(nv::findCp932(text, "AB"), std::string::npos);
  EXPECT_EQ(nv::findCp932(text + "xAB", "AB"), 4u);  // a real one later is still found
  EXPECT_EQ(nv::findCp932(sj("せんせん切り"), sj("せん切り")), 4u);
  EXPECT_EQ(nv::findCp932("abc", "abcd"), std::string::npos);
}

TEST(RecipeLayout, HangingCharacterStaysAtSoftEdge) {
  FixedMeasurer m;
  nv::StepLayout l;
  // size 10: indent 30, soft edge 100 - 20 = 80, so five characters reach the edge.
  ASSERT_TRUE(nv::layoutSteps(sjList({"あいうえお。かき"}), m, 10, {0, 0, 100, 200}, l));
  const auto* first = findRun(l, "あいうえお。");
  ASSERT_NE(first, nullptr);
  const auto* next = findRun(l, "かき");
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(next->x, 30);
  EXPECT_EQ(next->y, first->y + 20);

  // Any other character there starts a new line.
  ASSERT_TRUE(nv::layoutSteps(sjList({"あいうえおかき"}), m, 10, {0, 0, 100, 200}, l));
  EXPECT_NE(findRun(l, "あいうえお"), nullptr);
  EXPECT_NE(findRun(l, "かき"), nullptr);
}

TEST(RecipeLayout, ReadingsOverWords) {
  FixedMeasurer m;
  nv::StepLayout l;
  ASSERT_TRUE(
      nv::layoutSteps(sjList({"レモン汁と醤油、*大根*だいこん*を"}), m, 10, {0, 0, 300, 200}, l));
  const auto* plain = findRun(l, "レモン");
  ASSERT_NE(plain, nullptr);
  EXPECT_TRUE(plain->reading.empty());
  const auto* jiru = findRun(l, "汁");
  ASSERT_NE(jiru, nullptr);
  EXPECT_EQ(jiru->reading, sj("じる"));
  EXPECT_EQ(jiru->x, 60);  // after the indent and "レモン"
  EXPECT_EQ(l.readingSize, 6);
  EXPECT_EQ(jiru->readingX, 60 + (10 - 12) / 2);  // centred over the word
  EXPECT_EQ(jiru->readingY, jiru->y - 6);         // bottom on the word's top
  const auto* shoyu = findRun(l, "醤油");
  ASSERT_NE(shoyu, nullptr);
  EXPECT_EQ(shoyu->reading, sj("しょうゆ"));
  const auto* daikon = findRun(l, "大根");
  ASSERT_NE(daikon, nullptr);
  EXPECT_EQ(daikon->reading, sj("だいこん"));
  EXPECT_NE(findRun(l, "を"), nullptr);  // the marks themselves are not written
}

TEST(RecipeLayout, WordThatCrossesTheEdgeMovesToTheNextLine) {
  FixedMeasurer m;
  nv::StepLayout l;
  ASSERT_TRUE(nv::layoutSteps(sjList({"あいうえ醤油"}), m, 10, {0, 0, 100, 200}, l));
  const auto* shoyu = findRun(l, "醤油");
  ASSERT_NE(shoyu, nullptr);
  EXPECT_EQ(shoyu->x, 30);
  EXPECT_EQ(shoyu->y, findRun(l, "あいうえ")->y + 20);
  // Wider than any line: written anyway instead of breaking lines forever.
  ASSERT_TRUE(nv::layoutSteps(sjList({"*あいうえおかきくけこ*よみ*"}), m, 10, {0, 0, 100, 200}, l));
  EXPECT_NE(findRun(l, "あいうえおかきくけこ"), nullptr);
}

TEST(RecipeLayout, FontSearchFromFourteenDownToEight) {
  FixedMeasurer m;
  // Three one-line steps need 9 × size below 100: the first size that fits is 11.
  auto l = nv::layoutStepsFitting(sjList({"あ", "い", "う"}), m, {0, 0, 200, 100});
  EXPECT_TRUE(l.fits);
  EXPECT_EQ(l.fontSize, 11);
  EXPECT_EQ(numberRuns(l), 3);

  l = nv::layoutStepsFitting(sjList({"あ"}), m, {0, 0, 200, 100});
  EXPECT_EQ(l.fontSize, 14);

  // Ten steps never fit: size 8, cut off after the fifth step.
  std::vector<std::string> many(10, sj("あいう"));
  l = nv::layoutStepsFitting(many, m, {0, 0, 200, 100});
  EXPECT_FALSE(l.fits);
  EXPECT_EQ(l.fontSize, 8);
  EXPECT_EQ(numberRuns(l), 5);
  EXPECT_EQ(l.wholeSteps, 5);  // written, but with no line free below it

  // With a second page the steps run on: eight steps take both pages at 9, the sixth opening
  // the second page; ten do not fit even there.
  std::vector<std::string> eight(8, sj("あいう"));
  l = nv::layoutStepsFitting(eight, m, {0, 0, 200, 100}, {0, 0, 200, 100});
  EXPECT_TRUE(l.fits);
  EXPECT_EQ(l.fontSize, 9);
  EXPECT_EQ(l.pages, 2);
  EXPECT_EQ(numberRuns(l), 8);
  EXPECT_EQ(l.wholeSteps, 8);
  const auto* sixth = findRun(l, " 6.");
  ASSERT_NE(sixth, nullptr);
  EXPECT_EQ(sixth->page, 1);
  EXPECT_EQ(sixth->y, 9);
  l = nv::layoutStepsFitting(many, m, {0, 0, 200, 100}, {0, 0, 200, 100});
  EXPECT_FALSE(l.fits);
  EXPECT_EQ(l.pages, 2);
  // Steps that fit on the first page stay a single page.
  EXPECT_EQ(nv::layoutStepsFitting(sjList({"あ"}), m, {0, 0, 200, 100}, {0, 0, 200, 100}).pages, 1);
}
