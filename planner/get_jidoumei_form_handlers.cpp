// The name-entry dialog's handlers: standard values, the sliders both ways, filling the
// dialog from the profile and copying it back.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>

#include "core/kojin_data.h"
#include "core/standard_values.h"
#include "planner/get_jidoumei_form.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"

namespace nv {

namespace {
double editValue(const QLineEdit* edit) { return numberEditValue(fromQ(edit->text())); }
void setEditNumber(QLineEdit* edit, double value) { edit->setText(toQ(numberEditText(value))); }
}  // namespace

int TGetJidoumeiForm::sexIndex() const { return SexFemale->isChecked() ? 1 : 0; }

int TGetJidoumeiForm::activityIndex() const {
  for (int i = 0; i < kActivityLevelCount; ++i)
    if (SeikatuKyoudo[size_t(i)]->isChecked()) return i;
  return 0;
}

void TGetJidoumeiForm::Edit1Change() { OkBtn->setEnabled(!Edit1->text().isEmpty()); }

void TGetJidoumeiForm::AgeChange() {
  const int age = Age->value();
  const int sex = sexIndex();
  stdHeight_ = referenceHeight(age, sex);
  stdWeight_ = referenceWeight(age, sex);
  const std::string cm = "cm", kg = "kg";
  for (int i = 0; i < 3; ++i) {
    LSinchou[size_t(i)]->setText(toQ(bodyScaleLabel(stdHeight_ + (i - 1) * 20, cm)));
    LTaijuu[size_t(i)]->setText(toQ(bodyScaleLabel(stdWeight_ + (i - 1) * 20, kg)));
  }
  bodyTracking_ = true;
  setEditNumber(Sinchou, stdHeight_);
  TBSinchou->setValue(bodySliderPosition(stdHeight_, stdHeight_));
  setEditNumber(Taijuu, stdWeight_);
  TBTaijuu->setValue(bodySliderPosition(stdWeight_, stdWeight_));
  bodyTracking_ = false;

  const bool shown = pregnancyBoxesVisible(age, sex);
  Ninpu->setVisible(shown);
  Junyuuhu->setVisible(shown);
  Bunben6->setVisible(afterDeliveryBoxVisible(age, sex, Junyuuhu->isChecked()));

  SeikatuKyoudoClick();
  setMineralStandards();
}

void TGetJidoumeiForm::SeikatuKyoudoClick() {
  if (inActivityClick_) return;
  inActivityClick_ = true;
  const int age = Age->value();
  const int level = effectiveActivityLevel(age, activityIndex());
  if (level != activityIndex()) SeikatuKyoudo[size_t(level)]->setChecked(true);
  StandardInput in;
  in.age = age;
  in.sex = sexIndex();
  in.activityLevel = level;
  in.weight = editValue(Taijuu);
  in.pregnant = Ninpu->isChecked();
  in.lactating = Junyuuhu->isChecked();
  const StandardValues v = standardValues(in);
  setRequirement(0, v.requirements[kEnergy]);
  setRequirement(2, v.requirements[kProtein]);
  Memo1->setPlainText(toQ(activityLevelDescription(level)));
  inActivityClick_ = false;
}

void TGetJidoumeiForm::setMineralStandards() {
  StandardInput in;
  in.age = Age->value();
  in.sex = sexIndex();
  in.activityLevel = activityIndex();
  in.weight = editValue(Taijuu);
  in.pregnant = Ninpu->isChecked();
  in.lactating = Junyuuhu->isChecked();
  const StandardValues v = standardValues(in);
  for (int i = 0; i < kCount; ++i) {
    const int slot = kNameEntryRequirementSlots[size_t(i)];
    if (slot != kEnergy && slot != kProtein) setRequirement(i, v.requirements[slot]);
  }
}

void TGetJidoumeiForm::setRequirement(int i, double value) {
  // The standard is the number the edit shows, so that 100 % is exactly what the child saw.
  const double shown = asEditValue(value);
  standards_[size_t(i)] = shown;
  setEditNumber(Requirement[size_t(i)], shown);
  settingSliders_ = true;
  TrackBar[size_t(i)]->setValue(50);
  settingSliders_ = false;
}

// A checked pregnancy box changes the fat ratio, the vitamins and the minerals as well as
// energy and protein, so all of them are proposed anew.
void TGetJidoumeiForm::NinpuClick() {
  SeikatuKyoudoClick();
  setMineralStandards();
}

void TGetJidoumeiForm::JunyuuhuClick() {
  Bunben6->setVisible(afterDeliveryBoxVisible(Age->value(), sexIndex(), Junyuuhu->isChecked()));
  SeikatuKyoudoClick();
  setMineralStandards();
}

void TGetJidoumeiForm::TBSinchouChange() {
  if (bodyTracking_) return;
  bodyTracking_ = true;
  setEditNumber(Sinchou, bodySliderValue(stdHeight_, TBSinchou->value()));
  bodyTracking_ = false;
}

void TGetJidoumeiForm::TBTaijuuChange() {
  if (bodyTracking_) return;
  bodyTracking_ = true;
  setEditNumber(Taijuu, bodySliderValue(stdWeight_, TBTaijuu->value()));
  bodyTracking_ = false;
  SeikatuKyoudoClick();
}

void TGetJidoumeiForm::SinchouChange() {
  if (bodyTracking_) return;
  bodyTracking_ = true;
  TBSinchou->setValue(bodySliderPosition(stdHeight_, editValue(Sinchou)));
  bodyTracking_ = false;
}

void TGetJidoumeiForm::TaijuuChange() {
  if (bodyTracking_) return;
  bodyTracking_ = true;
  TBTaijuu->setValue(bodySliderPosition(stdWeight_, editValue(Taijuu)));
  bodyTracking_ = false;
  SeikatuKyoudoClick();
}

void TGetJidoumeiForm::TrackBarChange(int i) {
  if (settingSliders_) return;
  setEditNumber(Requirement[size_t(i)],
                requirementSliderValue(standards_[size_t(i)], TrackBar[size_t(i)]->value()));
}

void TGetJidoumeiForm::SetSlidersFromEdits() {
  settingSliders_ = true;
  for (int i = 0; i < kCount; ++i)
    TrackBar[size_t(i)]->setValue(
        requirementSliderPosition(standards_[size_t(i)], editValue(Requirement[size_t(i)])));
  settingSliders_ = false;
}

void TGetJidoumeiForm::fillFrom(const TKojinData& kojin) {
  Edit1->setText(toQ(kojin.name()));
  Age->setValue(kojin.age);
  (kojin.sex == 1 ? SexFemale : SexMale)->setChecked(true);
  CSE_Bentoubako->setValue(kojin.lunchBoxCapacity);
  ComboBox1->setCurrentIndex(
      kojin.mealSplit >= 0 && kojin.mealSplit < kMealSplitCount ? kojin.mealSplit : 0);
  const int level = kojin.activityLevel >= 0 && kojin.activityLevel < kActivityLevelCount
                        ? kojin.activityLevel
                        : 0;
  SeikatuKyoudo[size_t(level)]->setChecked(true);
  Ninpu->setChecked(kojin.pregnant);
  Junyuuhu->setChecked(kojin.lactating);
  Bunben6->setChecked(kojin.withinSixMonths);
  AgeChange();

  bodyTracking_ = true;
  setEditNumber(Sinchou, kojin.height);
  TBSinchou->setValue(bodySliderPosition(stdHeight_, kojin.height));
  setEditNumber(Taijuu, kojin.weight);
  TBTaijuu->setValue(bodySliderPosition(stdWeight_, kojin.weight));
  bodyTracking_ = false;
  for (int i = 0; i < kCount; ++i)
    setEditNumber(Requirement[size_t(i)],
                  kojin.requirements[size_t(kNameEntryRequirementSlots[size_t(i)])]);
  SetSlidersFromEdits();
  setLayoutCaption(kojin.windowState);
}

void TGetJidoumeiForm::copyTo(TKojinData& kojin) const {
  kojin.setName(fromQ(Edit1->text()));
  kojin.age = Age->value();
  kojin.lunchBoxCapacity = CSE_Bentoubako->value();
  kojin.sex = sexIndex();
  kojin.height = editValue(Sinchou);
  kojin.weight = editValue(Taijuu);
  kojin.activityLevel = activityIndex();
  kojin.pregnant = Ninpu->isChecked();
  kojin.lactating = Junyuuhu->isChecked();
  kojin.withinSixMonths = Bunben6->isChecked();
  kojin.setMealSplit(ComboBox1->currentIndex());
  for (int i = 0; i < kCount; ++i)
    kojin.requirements[size_t(kNameEntryRequirementSlots[size_t(i)])] =
        editValue(Requirement[size_t(i)]);
  kojin.lookUpGroupTargets();
}

bool editProfile(TKojinData& kojin, QWidget* parent) {
  TGetJidoumeiForm form(parent);
  form.fillFrom(kojin);
  const bool accepted = form.exec() == QDialog::Accepted;
  if (accepted) form.copyTo(kojin);
  kojin.windowState = form.layoutCaption();
  return accepted;
}

}  // namespace nv
