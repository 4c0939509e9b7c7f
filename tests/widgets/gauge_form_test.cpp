#include "platform/qt/gauge_form.h"

#include <gtest/gtest.h>

#include <QPixmap>
#include <QProgressBar>

#include "platform/text.h"
#include "widgets_test_app.h"

using nv::sj;

TEST(TGaugeForm, ShowsCaptionAndClampsThePosition) {
  nvtest::widgetsApp();
  nv::TGaugeForm form(sj("献立データを読み込んでいます"), 10, 110);
  EXPECT_EQ(form.windowTitle(), QStringLiteral("献立データを読み込んでいます"));
  EXPECT_EQ(form.gauge()->minimum(), 10);
  EXPECT_EQ(form.gauge()->maximum(), 110);
  form.setPosition(60);
  EXPECT_EQ(form.gauge()->value(), 60);
  form.setPosition(500);
  EXPECT_EQ(form.position(), 110);
  form.setPosition(-3);
  EXPECT_EQ(form.position(), 10);
  form.setRange(5, 1);  // a maximum below the minimum is an empty range, not a crash
  EXPECT_EQ(form.maximum(), 5);
  EXPECT_EQ(form.position(), 5);
}

TEST(TGaugeForm, ShowsARangeWiderThanTheGaugeInShares) {
  nvtest::widgetsApp();
  const int64_t big = int64_t(1) << 40;
  nv::TGaugeForm form(sj("保存"), 0, big);
  form.setPosition(big / 4);
  EXPECT_EQ(form.position(), big / 4);
  EXPECT_NEAR(double(form.gauge()->value()) / form.gauge()->maximum(), 0.25, 1e-6);
  form.setPosition(big);
  EXPECT_EQ(form.gauge()->value(), form.gauge()->maximum());
}

TEST(TGaugeForm, PaintsWhenShown) {
  nvtest::widgetsApp();
  nv::TGaugeForm form(sj("食品データを読み込んでいます"), 0, 1000);
  form.showNow();
  form.setPosition(420);
  QPixmap shot = form.grab();
  EXPECT_FALSE(shot.isNull());
  EXPECT_LE(shot.width(), 400);  // a small window
  shot.save(QStringLiteral("/tmp/nv_gauge_form.png"));
}
