#pragma once
// The standard values the name-entry dialog proposes: body size, energy, protein, fat ratio,
// vitamins and minerals by age, sex and activity, and the daily food-group grams.
// Pure functions of their arguments; any age, sex or level is accepted.
#include <array>
#include <cstdint>
#include <string>

#include "core/nutrients.h"

namespace nv {

constexpr int kMealSplitCount = 5;
constexpr int kActivityLevelCount = 4;

// Breakfast, lunch, dinner and total share of a meal split (index outside 0..4: split 0).
std::array<int32_t, 4> mealSplitShares(int index);
// The dialog's item texts "２：３：３" ... (CP932).
std::string mealSplitItem(int index);

// Energy factor of activity level 0..3 (I to IV); levels outside are clamped.
double activityFactor(int level);
// Item text "Ⅰ　低い" ... and the descriptive text of a level (CP932).
std::string activityLevelItem(int level);
std::string activityLevelDescription(int level);
// Levels outside 0..3 are clamped; below age 15 the level is held between II and III.
int effectiveActivityLevel(int age, int level);

// The table rows below are looked up as "the last row whose minimum age is at most the age";
// an age below every row uses the first row. Sex 1 is female, any other value male.
double referenceHeight(int age, int sex);  // cm
double referenceWeight(int age, int sex);  // kg
double basalMetabolismPerKg(int age, int sex);
double proteinPerKg(int age, int sex);
// Fat energy ratio in percent, without the pregnancy rule: 27.5 up to 17, 22.5 from 18.
double fatEnergyRatio(int age);

// The pregnancy and nursing boxes: shown only for women older than 15 and younger than 70.
bool pregnancyBoxesVisible(int age, int sex);
// The after-delivery box: shown while the nursing box is shown and checked.
bool afterDeliveryBoxVisible(int age, int sex, bool lactating);

// Daily grams of food groups 0..6 for an age (raised to at least 6) and sex.
std::array<int32_t, kFoodGroupCount> foodGroupTargets(int age, int sex);

// What the dialog has entered when it computes its proposal.
struct StandardInput {
  int age = 12;
  int sex = 0;
  int activityLevel = 1;
  double weight = 0;       // the weight entered (the reference weight unless the user typed one)
  bool pregnant = false;   // box checked (counts only while shown)
  bool lactating = false;  // box checked (counts only while shown)
};

// The dialog's proposal. Values are exact; the dialog shows them "%.1f".
struct StandardValues {
  int activityLevel = 1;  // after the under-15 rule
  double height = 0;      // reference height
  double weight = 0;      // the weight the energy and protein were computed from
  double referenceWeight = 0;
  // Slots 0..8 as the profile keeps them (slot 2 = fat energy ratio in percent); slot 9 is 0.
  Nutrients requirements{};
};

StandardValues standardValues(const StandardInput& in);
// The input of the dialog's default run for an age, sex and level: the reference weight.
StandardInput defaultStandardInput(int age, int sex, int level);

// A number as an edit box with one decimal shows it and reads it back ("%.1f").
double asEditValue(double value);

}  // namespace nv
