#include "teacher/edit_kondate_form.h"

#include <gtest/gtest.h>

#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QToolButton>

#include "../planner/planner_test_app.h"
#include "accessible_names.h"
#include "core/food.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"

using nv::sj;

namespace {

nv::TFoodData twoFoods() {
  nv::TFood a;
  a.number = 1;
  a.name = sj("にんじん");
  a.group = 3;
  nv::TFood b;
  b.number = 2;
  b.name = sj("ぶたにく");
  b.group = 1;
  nv::TFoodData data;
  data.setFoods({a, b});
  return data;
}

struct DialogFixture {
  explicit DialogFixture(nv::TUsedFoodList foods, double standard, bool showDelete = false) {
    nvtest::plannerApp();
    nv::EditKondateRequest r;
    r.caption = sj("にくじゃが");
    r.hint = sj("夕食：にくじゃが");
    r.color = QColor(255, 255, 196);
    r.standardTotal = standard;
    r.foods = std::move(foods);
    r.showDelete = showDelete;
    dialog = std::make_unique<nv::TEditKondateForm>(
        r, &table, [this](QAbstractButton&, double ratio) { ratios.push_back(ratio); });
    dialog->setChangeCallback([this] { ++changes; });
    dialog->show();
  }
  nv::TFoodData table = twoFoods();
  std::vector<double> ratios;
  int changes = 0;
  std::unique_ptr<nv::TEditKondateForm> dialog;
};

TEST(EditKondateForm, TheTotalSliderMovesEveryLineAndARevertOnlyItsOwn) {
  DialogFixture f({{1, 40, 40}, {2, 60, 60}}, 100);
  nv::TEditKondateForm& d = *f.dialog;
  EXPECT_EQ(nv::fromQ(d.windowTitle()), sj("献立の編集　夕食：にくじゃが"));
  EXPECT_EQ(nv::fromQ(d.line(1).label->text()), sj("ぶたにく"));
  EXPECT_EQ(d.TrackBar1->value(), 10000);
  EXPECT_EQ(f.changes, 1);  // shown: the charts are refreshed once

  d.TrackBar1->setValue(15000);
  EXPECT_DOUBLE_EQ(d.SaNumEdit1->value(), 150);
  EXPECT_EQ(d.line(0).slider->value(), 15000);
  EXPECT_EQ(d.line(1).slider->value(), 15000);
  EXPECT_DOUBLE_EQ(d.currentFoods()[0].amount, 60);
  EXPECT_DOUBLE_EQ(d.currentFoods()[1].amount, 90);
  EXPECT_DOUBLE_EQ(f.ratios.back(), 1.5);
  EXPECT_EQ(f.changes, 2);  // the handlers' own writes started no further changes

  d.line(0).revert->click();
  EXPECT_DOUBLE_EQ(d.currentFoods()[0].amount, 40);
  EXPECT_DOUBLE_EQ(d.currentFoods()[1].amount, 90);
  EXPECT_EQ(d.line(0).slider->value(), 10000);
  EXPECT_EQ(d.line(1).slider->value(), 15000);
  EXPECT_DOUBLE_EQ(d.SaNumEdit1->value(), 130);
  EXPECT_EQ(d.TrackBar1->value(), 13000);

  d.RetryBtn->click();
  EXPECT_DOUBLE_EQ(d.currentFoods()[1].amount, 60);
  EXPECT_EQ(d.TrackBar1->value(), 10000);
}

TEST(EditKondateForm, BoxesDriveSlidersAndAnEmptyBoxIsZero) {
  DialogFixture f({{1, 40, 40}, {2, 60, 60}}, 100);
  nv::TEditKondateForm& d = *f.dialog;
  d.line(1).box->setValue(30);
  EXPECT_EQ(d.line(1).slider->value(), 5000);
  EXPECT_DOUBLE_EQ(d.SaNumEdit1->value(), 70);
  EXPECT_EQ(d.TrackBar1->value(), 7000);

  d.line(0).box->findChild<QLineEdit*>()->clear();
  EXPECT_DOUBLE_EQ(d.currentFoods()[0].amount, 0);
  EXPECT_EQ(d.line(0).slider->value(), 0);

  d.SaNumEdit1->setValue(200);  // 200 % of the standard total
  EXPECT_DOUBLE_EQ(d.currentFoods()[0].amount, 80);
  EXPECT_DOUBLE_EQ(d.currentFoods()[1].amount, 120);
  EXPECT_EQ(d.line(0).slider->value(), 20000);
}

TEST(EditKondateForm, AZeroStandardTotalActsAsOneGramAndZeroStandardFoodsStayPut) {
  DialogFixture f({{1, 0, 0}}, 0);
  nv::TEditKondateForm& d = *f.dialog;
  EXPECT_DOUBLE_EQ(d.model().standardTotal(), 1.0);
  d.line(0).slider->setValue(12000);
  EXPECT_DOUBLE_EQ(d.currentFoods()[0].amount, 0);  // no standard: no scale
  d.line(0).box->setValue(5);
  EXPECT_DOUBLE_EQ(d.currentFoods()[0].amount, 5);
}

TEST(EditKondateForm, OutcomesAndLayout) {
  {
    DialogFixture f({{1, 40, 40}}, 40, true);
    EXPECT_TRUE(f.dialog->DeleteBtn->isVisible());
    f.dialog->DeleteBtn->click();
    EXPECT_EQ(f.dialog->outcome(), nv::TEditKondateForm::Outcome::Delete);
    EXPECT_EQ(f.dialog->result(), QDialog::Accepted);
  }
  {
    DialogFixture f({{1, 40, 40}}, 40);
    EXPECT_EQ(nvtest::controlsWithoutJapaneseNames(f.dialog.get()).join(u'\n').toStdString(), "");
    EXPECT_FALSE(f.dialog->DeleteBtn->isVisible());
    EXPECT_EQ(nv::fromQ(f.dialog->Edit1->text()), sj("にくじゃが"));
    EXPECT_TRUE(f.dialog->Edit1->isReadOnly());
    f.dialog->SpeedButton1->click();  // the picture is OK too
    EXPECT_EQ(f.dialog->outcome(), nv::TEditKondateForm::Outcome::Ok);
  }
  {
    DialogFixture f({{1, 40, 40}}, 40);
    f.dialog->CancelBtn->click();
    EXPECT_EQ(f.dialog->outcome(), nv::TEditKondateForm::Outcome::Cancel);
    EXPECT_EQ(f.dialog->result(), QDialog::Rejected);
  }
  {
    // Many foods: lines keep at least 24 pixels and the box scrolls.
    nv::TUsedFoodList many;
    for (int i = 0; i < 80; ++i) many.push_back({1, 10, 10});
    DialogFixture f(many, 800);
    EXPECT_EQ(f.dialog->lineHeight(), 24);
    EXPECT_EQ(f.dialog->line(1).slider->y() - f.dialog->line(0).slider->y(), 24);
    EXPECT_GT(f.dialog->ScrollBox1->verticalScrollBar()->maximum(), 0);
    // Sliders end where the revert buttons begin.
    const auto& l = f.dialog->line(0);
    EXPECT_LE(l.slider->x() + l.slider->width(), l.revert->x());
  }
  {
    DialogFixture f({}, 0);
    EXPECT_EQ(f.dialog->lineHeight(), 36);
  }
}

}  // namespace

namespace {

TEST(EditKondateForm, TypingAHugeAmountKeepsThePictureAtTheSlidersLimit) {
  DialogFixture f({{1, 40, 40}, {2, 60, 60}}, 100);
  QDoubleSpinBox* box = f.dialog->line(0).box;
  box->setFocus();
  box->selectAll();
  for (QChar c : QStringLiteral("99999")) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_9, Qt::NoModifier, QString(c));
    QApplication::sendEvent(box, &press);
  }
  EXPECT_DOUBLE_EQ(f.dialog->currentFoods()[0].amount, 99999);
  EXPECT_EQ(f.dialog->line(0).slider->value(), 20000);
  ASSERT_FALSE(f.ratios.empty());
  EXPECT_DOUBLE_EQ(f.ratios.back(), 2.0);
  for (double r : f.ratios) EXPECT_LE(r, 2.0);
}

}  // namespace
