#pragma once
// The arithmetic of the name-entry dialog: its height and weight sliders (the standard
// +-20 in whole units), its requirement sliders (0 to 200 % of the standard), the order of
// its nine requirement edits, the layout-button captions and the texts its edits show.
#include <array>
#include <string>
#include <string_view>

#include "core/nutrients.h"

namespace nv {

constexpr int kNameEntryRequirementCount = 9;
constexpr size_t kNameEntryNameMaxBytes = 120;

// The profile slot of each requirement edit, in the dialog's order: energy, fat ratio,
// protein, vitamin A, B1, B2, C, calcium, iron.
constexpr std::array<int, kNameEntryRequirementCount> kNameEntryRequirementSlots = {
    kEnergy, kFat, kProtein, kVitaminA, kVitaminB1, kVitaminB2, kVitaminC, kCalcium, kIron};

// Height or weight for a slider position 0..100: the standard plus (position x 40 - 2000)
// / 100 with the division on whole numbers, so position 50 is the standard.
double bodySliderValue(double standard, int position);
// The slider position of a typed height or weight: (value - (standard - 20)) x 2.5,
// truncated, clamped to 0..100.
int bodySliderPosition(double standard, double value);

// A requirement for a slider position: position x standard x 0.02 (50 = 100 %).
double requirementSliderValue(double standard, int position);
// The slider position of a requirement: value x 50 / standard, truncated, clamped to
// 0..100 (a zero standard puts the slider in the middle).
int requirementSliderPosition(double standard, double value);

// The three layouts and their button captions "↓", "→", "←" (CP932).
enum class NameEntryLayout { kShort, kMedium, kFull };
// An unknown caption means the short layout.
NameEntryLayout nameEntryLayoutOf(std::string_view caption);
std::string nameEntryLayoutCaption(NameEntryLayout layout);
// "↓" -> "→" -> "←" -> "↓".
NameEntryLayout nextNameEntryLayout(NameEntryLayout layout);

// A number as the dialog's edits show it: "%.1f".
std::string numberEditText(double value);
// The number an edit holds; an empty or unreadable edit counts as 0.
double numberEditValue(std::string_view text);
// The label above a height or weight slider: "↓%.1f(unit)" (CP932).
std::string bodyScaleLabel(double value, std::string_view unit);

}  // namespace nv
