#include "core/kojin_data.h"

#include "core/standard_values.h"
#include "platform/binio.h"
#include "platform/text.h"

namespace nv {

const std::string& TKojinData::windowStateShort() {
  static const std::string s = sj("↓");
  return s;
}
const std::string& TKojinData::windowStateMedium() {
  static const std::string s = sj("→");
  return s;
}
const std::string& TKojinData::windowStateFull() {
  static const std::string s = sj("←");
  return s;
}

TKojinData::TKojinData() { resetToDefaults(); }

void TKojinData::resetToDefaults() {
  name_.clear();
  age = 12;
  sex = 0;
  lunchBoxCapacity = kDefaultLunchBoxCapacity;
  setMealSplit(0);
  activityLevel = 1;
  pregnant = lactating = withinSixMonths = false;
  requirements.fill(0);
  windowState = windowStateShort();
  // The name-entry dialog's default run, without the dialog.
  applyStandardValues(standardValues(defaultStandardInput(age, sex, activityLevel)));
  lookUpGroupTargets();
}

void TKojinData::setName(std::string_view name) {
  name = name.substr(0, name.find('\0'));
  name_ = cutBytes(name, kKojinNameMaxBytes);
}

void TKojinData::setMealSplit(int32_t index) {
  if (index < 0 || index >= kMealSplitCount) index = 0;
  mealSplit = index;
  shares = mealSplitShares(index);
}

void TKojinData::lookUpGroupTargets() { groupTargets = foodGroupTargets(age, sex); }

void TKojinData::applyStandardValues(const StandardValues& values) {
  activityLevel = values.activityLevel;
  height = asEditValue(values.height);
  weight = asEditValue(values.weight);
  for (int slot = 0; slot < kSalt; ++slot)
    requirements[slot] = asEditValue(values.requirements[slot]);
}

double TKojinData::mealShare(int meal) const {
  if (meal < kBreakfast || meal > kDinner) return 1.0;
  return double(shares[meal]) / double(shares[3]);
}

double TKojinData::Requirement(int meal, int slot) const {
  if (slot < 0 || slot >= kNutrientCount) return 0;
  const double share = mealShare(meal);
  if (slot == kSalt) return share * 10;
  if (slot == kFat) return share * requirements[kEnergy] * requirements[kFat] * 0.01 / 9;
  return share * requirements[slot];
}

double TKojinData::GroupRequirement(int meal, int group) const {
  if (group < 0 || group >= kFoodGroupCount) return 0;
  return mealShare(meal) * groupTargets[group];
}

}  // namespace nv
