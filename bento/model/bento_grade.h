#pragma once
// Judging a finished lunch box against the child's lunch requirement: the grade (0 best to
// 3 worst) and the rows of the evaluation graph.
#include <string>
#include <vector>

#include "bento/model/bento_data.h"
#include "core/nutrients.h"

namespace nv {

class TFoodData;
class TGunName;
class TKojinData;

enum class GraphKind { Groups, Nutrients };

// The lunch requirement (meal 1) of every nutrient slot and every food group.
struct LunchRequirements {
  Nutrients nutrients{};
  GroupGrams groups{};
  static LunchRequirements of(const TKojinData& profile);
};

// total / requirement; 0 when the requirement is not positive (a requirement typed as 0).
double requirementRatio(double total, double requirement);

// Nine nutrients (salt is not judged) within 0.7 .. 1.3, bounds included.
int gradeByNutrients(const Nutrients& totals, const Nutrients& lunch);
// The points of the six food groups (3 to 9) and the grade they give (never 1).
int groupPoints(const GroupGrams& grams, const GroupGrams& lunch);
int gradeByGroups(const GroupGrams& grams, const GroupGrams& lunch);

// The grade of the named dishes of the kitchen, computed the way the graph shows them, and
// what the totals told on the way.
struct BoxGrade {
  int grade = 0;
  Result told;
};
BoxGrade gradeBox(const TDaidokoro& kitchen, const NameList& dishes, const TKojinData& profile,
                  GraphKind kind, const TFoodData& foods);

struct GraphRow {
  std::string label;  // CP932, fixed width for nutrients; the group name for groups
  double total = 0;
  double requirement = 0;
  double ratio = 0;
  int percent = 0;          // trunc(ratio x 100)
  std::string percentText;  // "%d%%"
  int colorGroup = -1;      // food-group colour of the bar, -1 for white
};

// The graph's fixed-width nutrient labels, slot 0..9.
const std::string& nutrientGraphLabel(int slot);

// Ten nutrient rows or six group rows (groups 1 to 6), in drawing order.
std::vector<GraphRow> evaluationGraphRows(GraphKind kind, const Nutrients& totals,
                                          const GroupGrams& grams, const LunchRequirements& lunch,
                                          const TGunName& groupNames);
// The right end of a row's bar: x0 + trunc(ratio x half), at most `right`.
int barRight(int x0, int half, int right, double ratio);

}  // namespace nv
