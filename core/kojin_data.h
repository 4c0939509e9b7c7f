#pragma once
// The person profile: who the menu is planned for and what that person needs each day.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/nutrients.h"
#include "platform/result.h"

namespace nv {

class ByteReader;
class ByteWriter;
struct StandardValues;

// Meal indexes of Requirement and GroupRequirement; any other value means the whole day.
enum MealIndex : int { kBreakfast = 0, kLunch = 1, kDinner = 2, kWholeDay = 3 };

constexpr size_t kKojinNameMaxBytes = 127;
constexpr size_t kKojinBlockSize = 128;
constexpr int kKojinBlockCount = 14;
constexpr size_t kKojinRecordSize = kKojinBlockSize * kKojinBlockCount;  // 1792
// Block 2 of a record must offer at least this many bytes to be read at all.
constexpr size_t kKojinSettingsMinBytes = 35;
constexpr int32_t kDefaultLunchBoxCapacity = 900;

// The two settings of the menu planner's windows that travel in the profile record.
struct KojinViewState {
  bool graphByNutrient = false;  // the main window's graph-by-nutrient view
  int32_t activeMealTab = 0;     // 0..3, the selected-menu window's active meal tab
};

class TKojinData {
 public:
  // A fresh profile: a 12-year-old boy of activity level II with the reference body size
  // and the proposed requirements of that age.
  TKojinData();

  // Back to the fresh profile (the name becomes empty).
  void resetToDefaults();

  const std::string& name() const { return name_; }
  // Keeps at most 127 bytes, up to the first NUL (a double-byte character may be split).
  void setName(std::string_view name);

  // Sets the split index and its four shares; an index outside 0..4 is taken as 0.
  void setMealSplit(int32_t index);
  // Looks up the food-group targets for the current age and sex.
  void lookUpGroupTargets();
  // Takes over a proposal of the name-entry dialog: activity level, height, weight and the
  // nine editable requirements (slot 9 is left alone), each as its edit box shows it.
  void applyStandardValues(const StandardValues& values);

  // The requirement of nutrient slot 0..9 for a meal (0 breakfast, 1 lunch, 2 dinner, any
  // other value the day): the share of the meal times the daily value, with salt fixed at
  // 10 g a day and fat in grams from the energy and the fat energy ratio. 0 for other slots.
  double Requirement(int meal, int slot) const;
  // The share of the meal times the daily grams of food group 0..6; 0 for other groups.
  double GroupRequirement(int meal, int group) const;
  // The meal's part of the day: its share divided by the total share (1 for the day).
  double mealShare(int meal) const;

  // The profile record of menu and lunch-box files: fourteen 128-byte text blocks.
  void writeRecord(ByteWriter& out, const KojinViewState& view = {}) const;
  // Reads a record at the reader's position. Fails (telling nothing: the file's reader has
  // its own words) at the first block that cannot be read; what was read before keeps its
  // new values. A settings line short of its items is told in a box and read as far as it
  // goes. `view`, when given, receives the window settings the record holds (only those
  // actually read).
  Result readRecord(ByteReader& in, KojinViewState* view = nullptr);

  // The captions of the name-entry dialog's layout button (CP932, two bytes each).
  static const std::string& windowStateShort();   // "↓"
  static const std::string& windowStateMedium();  // "→"
  static const std::string& windowStateFull();    // "←"

  int32_t age = 12;
  int32_t sex = 0;                                      // 0 male, 1 female
  int32_t lunchBoxCapacity = kDefaultLunchBoxCapacity;  // ml
  int32_t mealSplit = 0;                                // 0..4
  std::array<int32_t, 4> shares{2, 3, 3, 8};            // breakfast, lunch, dinner, total
  int32_t activityLevel = 1;                            // 0..3: levels I to IV
  bool pregnant = false;
  bool lactating = false;
  bool withinSixMonths = false;  // within six months after delivery
  double height = 0;             // cm
  double weight = 0;             // kg
  // Daily requirement per nutrient slot; slot 2 holds the fat energy ratio in percent, and
  // slot 9 is kept for the file only (salt is fixed).
  Nutrients requirements{};
  std::array<int32_t, kFoodGroupCount> groupTargets{};  // daily grams per food group
  std::string windowState;                              // one of the three captions

 private:
  std::string name_;
};

}  // namespace nv
