#include "platform/qt/prompt_texts.h"

#include <gtest/gtest.h>

#include "platform/text.h"
#include "scripted_prompt.h"

using namespace Qt::StringLiterals;

namespace {

// What the windows hand over reaches the Prompt as the very bytes sj() gave them: kana, kanji,
// half-width katakana, the wave dash and the yen sign; a record's bytes go over untouched.
TEST(PromptTexts, ReachThePromptAsTheirCp932Bytes) {
  nvtest::ScriptedPrompt prompt;
  const char* text = "ｶﾀｶﾅとかなと漢字〜¥「確認」\n２行目";
  prompt.expectBox(text, "確認", nv::Icon::Question, nv::Buttons::YesNoCancel, nv::Answer::No)
      .expectMessage("印刷しました");
  // The second code of ∵ (NEC row 13): through QString it would come back as the first.
  const std::string record = "\x87\x9A.nvu";
  prompt.expectBox("∵.nvu", "ファイルが見つかりません", nv::Icon::Stop, nv::Buttons::Ok);
  EXPECT_EQ(nv::ask(u"ｶﾀｶﾅとかなと漢字〜¥「確認」\n２行目"_s, u"確認"_s, nv::Icon::Question,
                    nv::Buttons::YesNoCancel),
            nv::Answer::No);
  nv::tell(u"印刷しました"_s);
  nv::ask(record, u"ファイルが見つかりません"_s, nv::Icon::Stop, nv::Buttons::Ok);
  {
    auto gauge = nv::openProgress(u"献立を印刷しています"_s, 0, 7);
    gauge->setPosition(3);
  }
  ASSERT_EQ(prompt.shown().size(), 3u);
  EXPECT_EQ(prompt.shown()[0].text, nv::sj(text));
  EXPECT_EQ(prompt.shown()[0].caption, nv::sj("確認"));
  EXPECT_EQ(prompt.shown()[1].text, nv::sj("印刷しました"));
  EXPECT_EQ(prompt.shown()[2].text, record);
  ASSERT_EQ(prompt.progressWindows().size(), 1u);
  EXPECT_EQ(prompt.progressWindows()[0].caption, nv::sj("献立を印刷しています"));
  EXPECT_EQ(prompt.progressWindows()[0].maximum, 7);
  EXPECT_TRUE(prompt.progressWindows()[0].closed);
}

// A character CP932 cannot hold becomes '?', as sj() makes it: the box still shows, with the
// rest of its text intact.
TEST(PromptTexts, CharacterCp932CannotHoldBecomesQuestionMark) {
  nvtest::ScriptedPrompt prompt;
  prompt.expectMessage("?を保存しました");
  nv::tell(u"😀を保存しました"_s);
  ASSERT_EQ(prompt.shown().size(), 1u);
  EXPECT_EQ(prompt.shown()[0].text, nv::sj("😀を保存しました"));
  EXPECT_EQ(prompt.shown()[0].text, "?" + nv::sj("を保存しました"));
}

TEST(PromptTexts, FileRequestTakesFilterAndTitle) {
  const nv::FileRequest r =
      nv::fileRequest(u"献立ファイル(*.nv)|*.nv"_s, u"献立ファイルを指定して下さい"_s);
  EXPECT_EQ(r.filter, nv::sj("献立ファイル(*.nv)|*.nv"));
  EXPECT_EQ(r.title, nv::sj("献立ファイルを指定して下さい"));
  EXPECT_EQ(r.filterIndex, 1);
  EXPECT_TRUE(nv::fileRequest(u"*.csv|*.csv"_s).title.empty());  // the dialog's own title
}

}  // namespace
