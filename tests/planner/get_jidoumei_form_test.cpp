#include "planner/get_jidoumei_form.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>

#include "core/kojin_data.h"
#include "core/standard_values.h"
#include "planner_test_app.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"

using nv::sj;
using nv::TGetJidoumeiForm;

namespace {

// Types into a widget as the keyboard would, so that validators and textEdited take part.
void type(QWidget* w, const QString& keys) {
  for (QChar c : keys) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &press);
  }
}

double value(const QLineEdit* e) { return nv::numberEditValue(nv::fromQ(e->text())); }
std::string text(const QLineEdit* e) { return nv::fromQ(e->text()); }
std::string text(const QLabel* l) { return nv::fromQ(l->text()); }
// The dialog's index of a profile slot.
int editOf(int slot) {
  for (int i = 0; i < TGetJidoumeiForm::kCount; ++i)
    if (nv::kNameEntryRequirementSlots[size_t(i)] == slot) return i;
  return -1;
}

class GetJidoumeiFormTest : public ::testing::Test {
 protected:
  bool appReady_ = (nvtest::plannerApp(), true);  // before the first widget
  TGetJidoumeiForm form;
};

TEST_F(GetJidoumeiFormTest, ControlsStartAtTheirDefaults) {
  EXPECT_EQ(nv::fromQ(form.windowTitle()), sj("名前を入力して下さい"));
  EXPECT_EQ(form.Age->minimum(), 6);
  EXPECT_EQ(form.Age->maximum(), 160);
  EXPECT_EQ(form.Age->value(), 12);
  EXPECT_TRUE(form.SexMale->isChecked());
  EXPECT_EQ(form.CSE_Bentoubako->minimum(), 600);
  EXPECT_EQ(form.CSE_Bentoubako->maximum(), 1200);
  EXPECT_EQ(form.CSE_Bentoubako->singleStep(), 100);
  ASSERT_EQ(form.ComboBox1->count(), 5);
  EXPECT_EQ(nv::fromQ(form.ComboBox1->itemText(3)), sj("３：２：３"));
  EXPECT_EQ(form.ComboBox1->currentIndex(), 0);
  EXPECT_EQ(form.activityIndex(), 1);  // level I is held at II for a 12-year-old
  EXPECT_EQ(form.layoutCaption(), sj("↓"));
  for (QSlider* s : form.TrackBar) EXPECT_EQ(s->value(), 50);
  EXPECT_EQ(form.TBSinchou->value(), 50);
  EXPECT_EQ(text(form.Sinchou), "158.3");
  EXPECT_EQ(text(form.Taijuu), "47.9");
  EXPECT_EQ(text(form.LSinchou[0]), sj("↓138.3(cm)"));
  EXPECT_EQ(text(form.LSinchou[2]), sj("↓178.3(cm)"));
  EXPECT_EQ(text(form.LTaijuu[1]), sj("↓47.9(kg)"));
  EXPECT_EQ(nv::fromQ(form.Memo1->toPlainText()), nv::activityLevelDescription(1));
}

TEST_F(GetJidoumeiFormTest, DefaultRunAgreesWithTheProfilesInvisibleRun) {
  // The fresh profile comes from the pure computation; the dialog must propose the same.
  const nv::TKojinData fresh;
  struct Case {
    int age, sex, level;
  };
  for (Case c : {Case{12, 0, 1}, Case{14, 1, 3}, Case{8, 0, 0}, Case{30, 1, 0}, Case{75, 0, 3}}) {
    TGetJidoumeiForm f;
    f.Age->setValue(c.age);
    (c.sex ? f.SexFemale : f.SexMale)->setChecked(true);
    f.SeikatuKyoudo[size_t(c.level)]->setChecked(true);
    f.AgeChange();
    nv::TKojinData got;
    f.copyTo(got);
    nv::TKojinData want;
    want.age = c.age;
    want.sex = c.sex;
    want.applyStandardValues(nv::standardValues(nv::defaultStandardInput(c.age, c.sex, c.level)));
    EXPECT_EQ(got.activityLevel, want.activityLevel) << c.age;
    EXPECT_DOUBLE_EQ(got.height, want.height) << c.age;
    EXPECT_DOUBLE_EQ(got.weight, want.weight) << c.age;
    for (int slot = 0; slot < nv::kSalt; ++slot)
      EXPECT_DOUBLE_EQ(got.requirements[size_t(slot)], want.requirements[size_t(slot)])
          << c.age << " slot " << slot;
  }
  nv::TKojinData got;
  form.copyTo(got);
  EXPECT_EQ(got.requirements, fresh.requirements);
  EXPECT_EQ(got.height, fresh.height);
  EXPECT_EQ(got.groupTargets, fresh.groupTargets);
}

TEST_F(GetJidoumeiFormTest, UnderFifteenTheLevelIsHeldBetweenTwoAndThree) {
  form.Age->setValue(14);
  form.SexFemale->setChecked(true);
  form.SeikatuKyoudo[0]->setChecked(true);
  EXPECT_EQ(form.activityIndex(), 1);
  form.SeikatuKyoudo[3]->setChecked(true);
  EXPECT_EQ(form.activityIndex(), 2);
  form.Age->setValue(15);
  form.SeikatuKyoudo[3]->setChecked(true);
  EXPECT_EQ(form.activityIndex(), 3);
  form.SeikatuKyoudo[0]->setChecked(true);
  EXPECT_EQ(form.activityIndex(), 0);
  EXPECT_EQ(nv::fromQ(form.Memo1->toPlainText()), nv::activityLevelDescription(0));
}

TEST_F(GetJidoumeiFormTest, TwelveYearOldBoyAtLevelTwoGetsTheProposedEnergyAndProtein) {
  EXPECT_NEAR(value(form.Requirement[0]), 2227.35, 0.051);  // 47.9 x 31.0 x 1.5
  EXPECT_EQ(text(form.Requirement[2]), "81.0");             // 47.9 x 1.69
  EXPECT_EQ(text(form.Requirement[1]), "27.5");             // fat ratio up to 17
  EXPECT_EQ(text(form.Requirement[size_t(editOf(nv::kCalcium))]), "900.0");
}

TEST_F(GetJidoumeiFormTest, PregnancyBoxesForWomenFromSixteenToSixtyNine) {
  form.show();
  form.Age->setValue(30);
  form.SexFemale->setChecked(true);
  EXPECT_TRUE(form.Ninpu->isVisible());
  EXPECT_TRUE(form.Junyuuhu->isVisible());
  EXPECT_FALSE(form.Bunben6->isVisible());
  const double energy = value(form.Requirement[0]), protein = value(form.Requirement[2]);
  const double calcium = value(form.Requirement[size_t(editOf(nv::kCalcium))]);
  form.Junyuuhu->setChecked(true);
  EXPECT_TRUE(form.Bunben6->isVisible());
  EXPECT_NEAR(value(form.Requirement[0]), energy + 600, 0.11);
  EXPECT_NEAR(value(form.Requirement[2]), protein + 20, 0.11);
  // The additions that AgeChange alone would give follow the box at once.
  EXPECT_DOUBLE_EQ(value(form.Requirement[1]), 25);
  EXPECT_DOUBLE_EQ(value(form.Requirement[size_t(editOf(nv::kCalcium))]), calcium + 500);
  EXPECT_EQ(form.TrackBar[0]->value(), 50);

  form.SexMale->setChecked(true);
  EXPECT_FALSE(form.Ninpu->isVisible());
  EXPECT_FALSE(form.Junyuuhu->isVisible());
  EXPECT_FALSE(form.Bunben6->isVisible());
  EXPECT_DOUBLE_EQ(value(form.Requirement[1]), 22.5);  // a hidden box adds nothing

  form.SexFemale->setChecked(true);
  form.Age->setValue(70);
  EXPECT_FALSE(form.Ninpu->isVisible());
  form.Age->setValue(16);
  EXPECT_TRUE(form.Ninpu->isVisible());
  form.Age->setValue(15);
  EXPECT_FALSE(form.Ninpu->isVisible());
  form.hide();
}

TEST_F(GetJidoumeiFormTest, HeightAndWeightSlidersAndEditsFollowEachOther) {
  form.setLayoutCaption(sj("→"));  // the short layout disables the body panel
  form.ApplyLayout();
  const double h = form.standardHeight(), w = form.standardWeight();
  form.TBSinchou->setValue(1);
  EXPECT_EQ(text(form.Sinchou), nv::numberEditText(h - 19));
  form.TBSinchou->setValue(100);
  EXPECT_EQ(text(form.Sinchou), nv::numberEditText(h + 20));

  const double energy = value(form.Requirement[0]);
  form.TBTaijuu->setValue(75);  // +10 kg
  EXPECT_EQ(text(form.Taijuu), nv::numberEditText(w + 10));
  EXPECT_GT(value(form.Requirement[0]), energy);  // the weight drives the energy

  form.Taijuu->selectAll();
  type(form.Taijuu, QStringLiteral("40.0"));
  EXPECT_EQ(text(form.Taijuu), "40.0");  // the slider does not rewrite what was typed
  EXPECT_EQ(form.TBTaijuu->value(), nv::bodySliderPosition(w, 40.0));
  EXPECT_EQ(text(form.Requirement[0]), nv::numberEditText(nv::asEditValue(40.0 * 31.0 * 1.5)));

  form.Sinchou->clear();
  type(form.Sinchou, QStringLiteral("-5"));  // no minus sign
  EXPECT_EQ(text(form.Sinchou), "5");
  EXPECT_EQ(form.TBSinchou->value(), 0);
}

TEST_F(GetJidoumeiFormTest, RequirementSlidersScaleTheStandardAndTypingLeavesThemAlone) {
  form.setLayoutCaption(sj("←"));
  form.ApplyLayout();
  const double standard = form.standard(0);
  form.TrackBar[0]->setValue(100);
  EXPECT_EQ(text(form.Requirement[0]), nv::numberEditText(2 * standard));
  form.TrackBar[0]->setValue(0);
  EXPECT_EQ(text(form.Requirement[0]), "0.0");
  form.TrackBar[3]->setValue(25);
  EXPECT_EQ(text(form.Requirement[3]), nv::numberEditText(form.standard(3) / 2));

  form.TrackBar[2]->setValue(50);
  form.Requirement[2]->selectAll();
  type(form.Requirement[2], QStringLiteral("10"));
  EXPECT_EQ(form.TrackBar[2]->value(), 50);
  form.SetSlidersFromEdits();  // only filling the dialog moves them
  EXPECT_EQ(form.TrackBar[2]->value(), int(10 * 50 / form.standard(2)));
  EXPECT_EQ(text(form.Requirement[2]), "10");
}

TEST_F(GetJidoumeiFormTest, OkIsEnabledOnlyWithAName) {
  EXPECT_FALSE(form.OkBtn->isEnabled());
  type(form.Edit1, QStringLiteral("a"));
  EXPECT_TRUE(form.OkBtn->isEnabled());
  form.Edit1->clear();
  EXPECT_FALSE(form.OkBtn->isEnabled());
  form.Edit1->clear();
  // A name composed in the input method arrives as its commit string.
  QInputMethodEvent commit;
  commit.setCommitString(nv::toQ(sj("はなこ")));
  QApplication::sendEvent(form.Edit1, &commit);
  EXPECT_EQ(nv::fromQ(form.Edit1->text()), sj("はなこ"));
  EXPECT_TRUE(form.OkBtn->isEnabled());
  EXPECT_TRUE(form.Edit1->testAttribute(Qt::WA_InputMethodEnabled));
}

TEST_F(GetJidoumeiFormTest, TypedNamesStopAtOneHundredTwentyBytesOnAWholeCharacter) {
  form.Edit1->setText(QString(59, QChar(u'あ')));  // 118 bytes
  form.Edit1->end(false);
  type(form.Edit1, QStringLiteral("ab"));
  EXPECT_EQ(nv::fromQ(form.Edit1->text()).size(), 120u);
  form.Edit1->backspace();
  form.Edit1->backspace();
  form.Edit1->insert(QString(2, QChar(u'い')));  // 118 + 4 bytes: the second does not fit
  const std::string name = nv::fromQ(form.Edit1->text());
  EXPECT_EQ(name.size(), 120u);
  EXPECT_EQ(name.substr(118), sj("い"));
  form.Edit1->backspace();
  QInputMethodEvent commit;
  commit.setCommitString(nv::toQ(sj("うう")));
  QApplication::sendEvent(form.Edit1, &commit);
  EXPECT_EQ(nv::fromQ(form.Edit1->text()).substr(118), sj("う"));
}

TEST_F(GetJidoumeiFormTest, FillingFromTheProfileKeepsItsNumbersAndCopiesBackAllFields) {
  nv::TKojinData k;
  k.setName(sj("やまだ　はなこ"));
  k.age = 30;
  k.sex = 1;
  k.lunchBoxCapacity = 700;
  k.setMealSplit(3);
  k.activityLevel = 2;
  k.lactating = true;
  k.withinSixMonths = true;
  k.height = 160.2;
  k.weight = 50.5;
  for (int slot = 0; slot < nv::kSalt; ++slot) k.requirements[size_t(slot)] = 10.5 * (slot + 1);
  k.windowState = sj("←");

  form.fillFrom(k);
  EXPECT_EQ(text(form.Sinchou), "160.2");
  EXPECT_EQ(text(form.Taijuu), "50.5");
  EXPECT_EQ(form.TBTaijuu->value(), nv::bodySliderPosition(form.standardWeight(), 50.5));
  EXPECT_EQ(text(form.Requirement[1]), "31.5");  // fat ratio: slot 2
  EXPECT_EQ(form.TrackBar[1]->value(), int(31.5 * 50 / 25));
  EXPECT_EQ(form.layoutCaption(), sj("←"));
  EXPECT_TRUE(form.Junyuuhu->isChecked());

  nv::TKojinData back;
  form.copyTo(back);
  EXPECT_EQ(back.name(), k.name());
  EXPECT_EQ(back.age, 30);
  EXPECT_EQ(back.sex, 1);
  EXPECT_EQ(back.lunchBoxCapacity, 700);
  EXPECT_EQ(back.mealSplit, 3);
  EXPECT_EQ(back.shares, (std::array<int32_t, 4>{3, 2, 3, 8}));
  EXPECT_EQ(back.activityLevel, 2);
  EXPECT_FALSE(back.pregnant);
  EXPECT_TRUE(back.lactating);
  EXPECT_TRUE(back.withinSixMonths);
  EXPECT_DOUBLE_EQ(back.height, 160.2);
  EXPECT_DOUBLE_EQ(back.weight, 50.5);
  for (int slot = 0; slot < nv::kSalt; ++slot)
    EXPECT_DOUBLE_EQ(back.requirements[size_t(slot)], 10.5 * (slot + 1)) << slot;
  EXPECT_EQ(back.groupTargets, nv::foodGroupTargets(30, 1));
}

TEST(EditProfile, OkCopiesBackAndCancelKeepsTheProfileButNotTheLayout) {
  nvtest::plannerApp();
  nv::TKojinData k;
  k.setName(sj("たろう"));
  nvtest::whenModal([](QWidget* w) {
    auto* f = qobject_cast<TGetJidoumeiForm*>(w);
    ASSERT_NE(f, nullptr);
    f->WindoowKakuchouBtn->click();  // → medium
    f->Age->setValue(9);
    f->Edit1->setText(nv::toQ(sj("じろう")));
    f->OkBtn->click();
  });
  EXPECT_TRUE(nv::editProfile(k, nullptr));
  EXPECT_EQ(k.name(), sj("じろう"));
  EXPECT_EQ(k.age, 9);
  EXPECT_DOUBLE_EQ(k.height, nv::referenceHeight(9, 0));
  EXPECT_EQ(k.windowState, sj("→"));
  EXPECT_EQ(k.groupTargets, nv::foodGroupTargets(9, 0));

  nvtest::whenModal([](QWidget* w) {
    auto* f = qobject_cast<TGetJidoumeiForm*>(w);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Age->value(), 9);
    f->WindoowKakuchouBtn->click();  // → full
    f->Age->setValue(40);
    f->CancelBtn->click();
  });
  EXPECT_FALSE(nv::editProfile(k, nullptr));
  EXPECT_EQ(k.age, 9);
  EXPECT_EQ(k.windowState, sj("←"));
}

TEST_F(GetJidoumeiFormTest, TheThreeLayoutsSizeTheDialogAndEnableItsPanels) {
  form.ApplyLayout();
  EXPECT_EQ(form.size(), QSize(428, 154));
  EXPECT_EQ(form.Panel2->pos(), QPoint(200, 104));
  EXPECT_FALSE(form.Panel1->isEnabled());
  EXPECT_FALSE(form.Panel3->isEnabled());

  form.WindoowKakuchouBtn->click();
  EXPECT_EQ(form.layoutCaption(), sj("→"));
  EXPECT_EQ(form.Bevel1->y(), 104);
  EXPECT_EQ(form.Panel1->y(), 112);
  EXPECT_EQ(form.Panel2->y(), form.Panel1->geometry().bottom() + 1 + 8);
  EXPECT_EQ(form.size(), QSize(428, form.Panel2->geometry().bottom() + 1));
  EXPECT_TRUE(form.Panel1->isEnabled());
  EXPECT_FALSE(form.Panel3->isEnabled());

  form.WindoowKakuchouBtn->click();
  EXPECT_EQ(form.layoutCaption(), sj("←"));
  const int right = form.Panel3->geometry().right() + 1;
  EXPECT_EQ(form.Panel2->geometry().right() + 1, right - 16);
  EXPECT_EQ(form.width(), right + 2);
  EXPECT_TRUE(form.Panel3->isEnabled());
  EXPECT_LE(form.Panel3->geometry().bottom(), form.height());
  EXPECT_LT(form.Panel3->geometry().bottom(), form.Panel2->y());  // OK covers no slider

  form.WindoowKakuchouBtn->click();
  EXPECT_EQ(form.layoutCaption(), sj("↓"));
  EXPECT_EQ(form.height(), 154);
}

TEST_F(GetJidoumeiFormTest, ShowingWithoutAHeightProposesTheStandardsAndLaysOut) {
  form.Sinchou->clear();
  form.Requirement[0]->clear();
  form.setLayoutCaption(sj("→"));
  form.show();
  EXPECT_EQ(text(form.Sinchou), "158.3");
  EXPECT_EQ(text(form.Requirement[0]), nv::numberEditText(form.standard(0)));
  EXPECT_EQ(form.width(), 428);
  EXPECT_GT(form.height(), 154);
  form.hide();
}

// Pictures of the three layouts for a person to look at; only when NV_SHOT_DIR is set.
TEST(NameEntryScreenshots, ThreeLayouts) {
  const QString dir = qEnvironmentVariable("NV_SHOT_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "NV_SHOT_DIR not set";
  nvtest::plannerApp();
  nv::TKojinData k;
  k.setName(sj("やまだ　はなこ"));
  k.age = 30;
  k.sex = 1;
  k.lactating = true;
  k.resetToDefaults();
  k.setName(sj("やまだ　はなこ"));
  TGetJidoumeiForm f;
  f.fillFrom(k);
  f.SexFemale->setChecked(true);
  f.Age->setValue(30);
  f.Junyuuhu->setChecked(true);
  f.show();
  const char* names[] = {"namedlg_short.png", "namedlg_medium.png", "namedlg_full.png"};
  for (const char* name : names) {
    QApplication::processEvents();
    EXPECT_TRUE(f.grab().save(QDir(dir).filePath(QString::fromLatin1(name))));
    f.WindoowKakuchouBtn->click();
  }
}

}  // namespace
