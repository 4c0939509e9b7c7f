#include "platform/result.h"

#include <gtest/gtest.h>

#include "platform/text.h"
#include "scripted_prompt.h"

using nv::sj;

// A later step's messages follow ours, its failure becomes ours, and the first failure's
// detail is the one kept; the messages then reach the user in that order.
TEST(Result, StepsKeepTheirOrderAndTheFirstFailure) {
  nv::Result r;
  r.tell(nv::messageBox(sj("一"), sj("確認"), nv::Icon::Warning));
  EXPECT_TRUE(r.ok());
  r.then(nv::Result::failure(nv::plainMessage(sj("二")), "first"));
  r.then(nv::Result::failure("second"));
  r.then(nv::Result().tell(nv::messageBox(sj("三"), sj("確認"), nv::Icon::Stop)));
  EXPECT_FALSE(r.ok());
  EXPECT_EQ(r.detail(), "first");
  ASSERT_EQ(r.messages().size(), 3u);

  nvtest::ScriptedPrompt p;
  p.expectBox("一", "確認", nv::Icon::Warning)
      .expectMessage("二")
      .expectBox("三", "確認", nv::Icon::Stop);
  EXPECT_FALSE(nv::showResult(r, p));
}

TEST(Result, AQuestionWithNoOneToAskIsAnsweredYes) {
  const nv::Message q =
      nv::messageBox(sj("消しますか"), sj("確認"), nv::Icon::Question, nv::Buttons::YesNo);
  EXPECT_EQ(nv::askQuestion({}, q), nv::Answer::Yes);
  nvtest::ScriptedPrompt p;
  p.expectBox("消しますか", "確認", nv::Icon::Question, nv::Buttons::YesNo, nv::Answer::No);
  EXPECT_EQ(nv::askQuestion(nv::askThrough(p), q), nv::Answer::No);
}
