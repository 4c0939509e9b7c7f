#include "core/standard_values.h"

#include <algorithm>
#include <charconv>
#include <iterator>

#include "platform/text.h"

namespace nv {
namespace {

// A value in force from a minimum age on, for men and for women.
struct AgeRow {
  int minAge;
  double male;
  double female;
};

template <size_t N>
double lookUp(const AgeRow (&rows)[N], int age, int sex) {
  const AgeRow* row = &rows[0];
  for (const AgeRow& r : rows)
    if (r.minAge <= age) row = &r;
  return sex == 1 ? row->female : row->male;
}

constexpr AgeRow kHeight[] = {{1, 83.6, 83.6},    {3, 102.3, 102.3},  {6, 121.9, 120.8},
                              {9, 139.0, 138.4},  {12, 158.3, 153.4}, {15, 169.3, 157.8},
                              {18, 171.3, 158.1}, {30, 169.1, 156.0}, {50, 163.9, 151.4},
                              {70, 159.4, 145.6}};
constexpr AgeRow kWeight[] = {
    {1, 11.5, 11.5},  {3, 16.4, 16.4},  {6, 24.6, 23.9},  {9, 34.6, 33.8},  {12, 47.9, 45.3},
    {15, 59.8, 51.4}, {18, 64.7, 51.2}, {30, 67.0, 54.2}, {50, 62.5, 53.8}, {70, 56.7, 48.7}};
constexpr AgeRow kBasalMetabolism[] = {
    {1, 61.0, 59.7},  {3, 54.8, 52.2},  {6, 44.3, 41.9},  {9, 37.4, 34.8},  {12, 31.0, 29.6},
    {15, 27.0, 25.3}, {18, 24.0, 23.6}, {30, 22.3, 21.7}, {50, 21.5, 20.7}, {70, 21.5, 20.7}};
constexpr AgeRow kProteinPerKg[] = {{1, 2.68, 2.68},  {3, 2.49, 2.49},  {6, 2.27, 2.23},
                                    {9, 2.04, 1.88},  {12, 1.69, 1.53}, {15, 1.30, 1.18},
                                    {18, 1.01, 1.01}, {70, 1.13, 1.13}};
constexpr AgeRow kVitaminARows[] = {
    {1, 1000, 1000}, {3, 1000, 1000}, {6, 1200, 1200}, {9, 1500, 1500}, {12, 2000, 1800}};
constexpr AgeRow kVitaminB1Rows[] = {{1, 0.5, 0.5},  {3, 0.6, 0.6},  {6, 0.8, 0.7}, {9, 1.0, 0.8},
                                     {12, 1.1, 1.0}, {15, 1.2, 1.0}, {18, 1.1, 0.8}};
constexpr AgeRow kVitaminB2Rows[] = {{1, 0.6, 0.6},  {3, 0.8, 0.8},  {6, 1.0, 0.8}, {9, 1.1, 1.0},
                                     {12, 1.2, 1.1}, {15, 1.3, 1.1}, {18, 1.2, 1.0}};
constexpr AgeRow kVitaminCRows[] = {{1, 45, 45},  {3, 50, 50},  {6, 60, 60},   {9, 70, 70},
                                    {12, 80, 80}, {15, 90, 90}, {18, 100, 100}};
constexpr AgeRow kCalciumRows[] = {{1, 500, 500},  {3, 500, 500},  {6, 600, 600},  {9, 700, 700},
                                   {12, 900, 700}, {15, 800, 700}, {18, 700, 600}, {30, 600, 600}};
constexpr AgeRow kIronRows[] = {{1, 7, 7},    {3, 8, 8},    {6, 9, 9},    {9, 10, 10},
                                {11, 10, 12}, {12, 12, 12}, {18, 10, 12}, {70, 10, 10}};

// Pregnancy and nursing additions, in the order vitamin A, B1, B2, C, calcium, iron.
constexpr double kPregnantAdd[] = {200, 0.1, 0.2, 10, 300, 8};
constexpr double kLactatingAdd[] = {1000, 0.3, 0.3, 40, 500, 8};

// Food-group grams: minimum age, then groups 0..6, male rows and female rows ascending.
struct GroupRow {
  int minAge;
  std::array<int32_t, kFoodGroupCount> grams;
};
constexpr GroupRow kGroupsMale[] = {
    {6, {1, 180, 400, 90, 320, 320, 15}},   {7, {1, 200, 400, 90, 320, 340, 15}},
    {8, {1, 230, 400, 90, 320, 350, 15}},   {9, {1, 240, 400, 90, 320, 370, 15}},
    {10, {1, 250, 400, 100, 400, 370, 15}}, {11, {1, 280, 400, 100, 400, 400, 20}},
    {12, {1, 310, 400, 100, 400, 410, 20}}, {13, {1, 310, 400, 100, 400, 470, 25}},
    {14, {1, 310, 400, 100, 400, 490, 30}}, {15, {1, 310, 400, 100, 400, 500, 30}},
    {16, {1, 310, 400, 100, 400, 520, 30}}, {17, {1, 300, 400, 100, 400, 520, 30}},
    {18, {1, 300, 400, 100, 400, 520, 25}}, {19, {1, 280, 400, 100, 400, 510, 25}},
    {20, {1, 260, 400, 100, 400, 510, 25}}, {30, {1, 250, 300, 100, 400, 510, 25}},
    {40, {1, 240, 300, 100, 400, 490, 20}}, {50, {1, 240, 300, 100, 400, 480, 15}},
    {60, {1, 230, 300, 100, 400, 410, 15}}, {70, {1, 230, 300, 100, 400, 350, 15}},
    {80, {1, 230, 300, 100, 400, 300, 10}},
};
constexpr GroupRow kGroupsFemale[] = {
    {6, {1, 160, 400, 90, 320, 290, 15}},   {7, {1, 190, 400, 90, 320, 300, 15}},
    {8, {1, 220, 400, 90, 320, 310, 15}},   {9, {1, 240, 400, 90, 320, 330, 15}},
    {10, {1, 260, 400, 100, 400, 350, 15}}, {11, {1, 280, 400, 100, 400, 370, 20}},
    {12, {1, 300, 400, 100, 400, 390, 20}}, {13, {1, 300, 400, 100, 400, 400, 25}},
    {14, {1, 290, 400, 100, 400, 400, 25}}, {15, {1, 280, 400, 100, 400, 400, 20}},
    {16, {1, 270, 400, 100, 400, 390, 20}}, {17, {1, 270, 400, 100, 400, 390, 20}},
    {18, {1, 240, 400, 100, 400, 390, 15}}, {19, {1, 230, 400, 100, 400, 390, 15}},
    {20, {1, 230, 400, 100, 400, 380, 15}}, {30, {1, 230, 300, 100, 400, 370, 15}},
    {40, {1, 220, 300, 100, 400, 370, 15}}, {50, {1, 220, 300, 100, 400, 360, 15}},
    {60, {1, 210, 300, 100, 400, 330, 10}}, {70, {1, 200, 300, 100, 400, 300, 10}},
    {80, {1, 200, 300, 100, 400, 240, 10}},
};

constexpr std::array<int32_t, 4> kMealSplits[kMealSplitCount] = {
    {2, 3, 3, 8}, {3, 3, 4, 10}, {1, 1, 1, 3}, {3, 2, 3, 8}, {3, 3, 2, 8}};
constexpr const char* kMealSplitItems[kMealSplitCount] = {"２：３：３", "３：３：４", "１：１：１",
                                                          "３：２：３", "３：３：２"};

constexpr double kActivityFactors[kActivityLevelCount] = {1.3, 1.5, 1.7, 1.9};
constexpr const char* kActivityItems[kActivityLevelCount] = {"Ⅰ　低い", "Ⅱ　やや低い", "Ⅲ　適度",
                                                             "Ⅳ　高い"};
constexpr const char* kActivityDescriptions[kActivityLevelCount] = {
    "散歩、買物など比較的ゆっくりした１時間程度の歩行のほか大部分は座位での読書、勉強、談話、"
    "また座位や横になってのテレビ、音楽鑑賞などをしている場合。",
    "通勤、仕事などで２時間程度の歩行や乗車接客、家事等立位での業務が比較的多いほか大部分は座位"
    "での事務、談話などをしている場合。",
    "生活活動強度II（やや低い）の者が１日１時間程度は速歩やサイクリングなど比較的強い身体活動を"
    "行っている場合や、大部分は立位での作業であるが１時間程度は農作業、漁業などの比較的強い作業"
    "に従事している場合。",
    "１日のうち１時間程度は激しいトレーニングや木材の運搬、農繁期の農耕作業などのような強い作業"
    "に従事している場合。",
};

int clampLevel(int level) { return std::clamp(level, 0, kActivityLevelCount - 1); }

}  // namespace

std::array<int32_t, 4> mealSplitShares(int index) {
  if (index < 0 || index >= kMealSplitCount) index = 0;
  return kMealSplits[index];
}

std::string mealSplitItem(int index) {
  if (index < 0 || index >= kMealSplitCount) return {};
  return sj(kMealSplitItems[index]);
}

double activityFactor(int level) { return kActivityFactors[clampLevel(level)]; }
std::string activityLevelItem(int level) { return sj(kActivityItems[clampLevel(level)]); }
std::string activityLevelDescription(int level) {
  return sj(kActivityDescriptions[clampLevel(level)]);
}

int effectiveActivityLevel(int age, int level) {
  level = clampLevel(level);
  if (age < 15) level = std::clamp(level, 1, 2);
  return level;
}

double referenceHeight(int age, int sex) { return lookUp(kHeight, age, sex); }
double referenceWeight(int age, int sex) { return lookUp(kWeight, age, sex); }
double basalMetabolismPerKg(int age, int sex) { return lookUp(kBasalMetabolism, age, sex); }
double proteinPerKg(int age, int sex) { return lookUp(kProteinPerKg, age, sex); }
double fatEnergyRatio(int age) { return age > 17 ? 22.5 : 27.5; }

bool pregnancyBoxesVisible(int age, int sex) { return sex == 1 && age > 15 && age < 70; }
bool afterDeliveryBoxVisible(int age, int sex, bool lactating) {
  return pregnancyBoxesVisible(age, sex) && lactating;
}

std::array<int32_t, kFoodGroupCount> foodGroupTargets(int age, int sex) {
  age = std::max(age, 6);
  const GroupRow* rows = sex == 1 ? kGroupsFemale : kGroupsMale;
  size_t count = sex == 1 ? std::size(kGroupsFemale) : std::size(kGroupsMale);
  const GroupRow* found = &rows[0];  // unreachable fallback: every age >= 6 matches a row
  for (size_t i = 0; i < count; ++i)
    if (rows[i].minAge <= age) found = &rows[i];
  return found->grams;
}

StandardInput defaultStandardInput(int age, int sex, int level) {
  StandardInput in;
  in.age = age;
  in.sex = sex;
  in.activityLevel = level;
  in.weight = referenceWeight(age, sex);
  return in;
}

StandardValues standardValues(const StandardInput& in) {
  StandardValues v;
  const bool shown = pregnancyBoxesVisible(in.age, in.sex);
  const bool pregnant = shown && in.pregnant;
  const bool lactating = shown && in.lactating;

  v.activityLevel = effectiveActivityLevel(in.age, in.activityLevel);
  v.height = referenceHeight(in.age, in.sex);
  v.referenceWeight = referenceWeight(in.age, in.sex);
  v.weight = in.weight;

  Nutrients& r = v.requirements;
  r[kEnergy] = in.weight * basalMetabolismPerKg(in.age, in.sex) * activityFactor(v.activityLevel);
  r[kProtein] = in.weight * proteinPerKg(in.age, in.sex);
  if (pregnant) {
    r[kEnergy] += 350;
    r[kProtein] += 10;
  }
  if (lactating) {
    r[kEnergy] += 600;
    r[kProtein] += 20;
  }
  r[kFat] = (pregnant || lactating) ? 25.0 : fatEnergyRatio(in.age);

  const int slots[] = {kVitaminA, kVitaminB1, kVitaminB2, kVitaminC, kCalcium, kIron};
  const double base[] = {
      lookUp(kVitaminARows, in.age, in.sex),  lookUp(kVitaminB1Rows, in.age, in.sex),
      lookUp(kVitaminB2Rows, in.age, in.sex), lookUp(kVitaminCRows, in.age, in.sex),
      lookUp(kCalciumRows, in.age, in.sex),   lookUp(kIronRows, in.age, in.sex)};
  for (int i = 0; i < 6; ++i) {
    double value = base[i];
    if (pregnant) value += kPregnantAdd[i];
    if (lactating) value += kLactatingAdd[i];
    r[slots[i]] = value;
  }
  r[kSalt] = 0;
  return v;
}

double asEditValue(double value) {
  char buf[400];
  auto written = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 1);
  if (written.ec != std::errc()) return value;
  double back = value;
  std::from_chars(buf, written.ptr, back);
  return back;
}

}  // namespace nv
