#pragma once
// What a whole class ate: each child's saved menu (.nvu) or lunch box (.nvub) measured against
// that child's own requirement, and per nutrient and food group the class's median, range and
// how many children fall in each of the three percentage bands.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/nutrients.h"

namespace nv {

class TDaidokoro;
class TFoodData;

// The percentage bands of the planner's charts: below 80 %, 80 to 120 %, above 120 %, judged
// on the whole percentage the tables show (79.9 % shows as 79 and is under).
enum class Band { Under = 0, Within = 1, Over = 2 };
Band bandOf(int wholePercent);
// A percentage as the tables show it: truncated toward zero.
int wholePercent(double percent);

// Which part of a menu is measured: the day or one meal. A lunch box is a lunch.
enum class SummaryMeal { Day = 3, Breakfast = 0, Lunch = 1, Dinner = 2 };

// Ten nutrients, then the six food groups (1..6).
constexpr int kSummaryColumns = kNutrientCount + 6;
using Percents = std::array<double, kSummaryColumns>;

enum class ChildKind { Menu, LunchBox };

struct ChildResult {
  std::string path;  // CP932, as found
  ChildKind kind = ChildKind::Menu;
  std::string name;  // CP932, from the file's profile
  int age = 0;
  int sex = 0;            // 0 male, 1 female
  int activityLevel = 0;  // 0..3: levels I to IV
  // Menus: per node (breakfast, lunch, dinner, day) the percentages of the requirement of that
  // node, or nothing when the node holds no dish. Lunch boxes: the lunch node only.
  std::array<std::optional<Percents>, 4> nodes;
  // Lunch boxes: the grades (0 best to 3 worst) by nutrients and by food groups.
  int gradeByNutrients = 0;
  int gradeByGroups = 0;
  // The first thing the readers remarked on a file that still counts (an unknown dish or food),
  // CP932; empty when none.
  std::string note;

  // The percentages the summary counts for `meal`, or null when the file holds no such meal.
  const Percents* percents(SummaryMeal meal) const;
};

struct UnreadableFile {
  std::string path;    // CP932
  std::string reason;  // CP932
};

struct ColumnStats {
  int children = 0;  // how many children have a value
  double median = 0, lowest = 0, highest = 0;
  std::array<int, 3> bands{};  // counts by Band
};

struct ClassSummary {
  SummaryMeal meal = SummaryMeal::Day;
  std::vector<ChildResult> children;  // in the order of the files
  std::vector<UnreadableFile> unreadable;
  std::array<ColumnStats, kSummaryColumns> stats{};
};

// The data files the saved files refer to; either may be null when not given (files of that
// kind are then unreadable, with the reason).
struct SummaryData {
  const TFoodData* menuFoods = nullptr;  // NV.nv's food table
  const TFoodData* boxFoods = nullptr;   // NV.nvb's food table
  const TDaidokoro* kitchen = nullptr;   // NV.nvb's dishes
};

// Reads one file. Nothing is shown: the readers' messages become the reason or the note.
std::optional<ChildResult> readChildFile(const std::string& path, const SummaryData& data,
                                         std::string& reason);

// The class statistics of `children` for `meal`.
std::array<ColumnStats, kSummaryColumns> classStats(const std::vector<ChildResult>& children,
                                                    SummaryMeal meal);

// Reads every file (see summary_files.h for turning folders into files) and sums up the class.
ClassSummary summarizeClass(const std::vector<std::string>& files, const SummaryData& data,
                            SummaryMeal meal);

}  // namespace nv
