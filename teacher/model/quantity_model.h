#pragma once
// The arithmetic of the quantity dialog: a dish's foods, each with its standard and current
// grams, moved by per-line sliders and boxes or all together by the total slider and box.
// Sliders run 0..20000 with 10000 = 100 % of the standard amount.
#include <cstdint>
#include <string>
#include <vector>

#include "core/used_food.h"

namespace nv {

class TFoodData;

class QuantityModel {
 public:
  static constexpr int kSliderMax = 20000;
  static constexpr int kSliderFull = 10000;

  struct Line {
    int32_t foodNumber = -1;
    int group = -1;  // 1..6 from the food table; -1 when the food is unknown
    double standard = 0;
    double current = 0;
  };

  // standardTotal is the dish's standard weight; 0 is taken as 1.0 so the total slider works.
  QuantityModel(const TUsedFoodList& foods, const TFoodData* table, double standardTotal);

  size_t lineCount() const { return lines_.size(); }
  const Line& line(size_t i) const { return lines_[i]; }
  double standardTotal() const { return standardTotal_; }
  double currentTotal() const { return currentTotal_; }

  // Slider position for an amount: round(current / standard x 10000), within 0..20000. A food
  // whose standard amount is 0 has no scale: its slider stays at 0 and only its box moves it.
  static int positionFor(double current, double standard);
  int linePosition(size_t i) const { return positionFor(lines_[i].current, lines_[i].standard); }
  int totalPosition() const { return positionFor(currentTotal_, standardTotal_); }

  // A line's box (grams) or slider changed, or its revert button: the totals follow.
  void setLineGrams(size_t i, double grams);
  void setLinePosition(size_t i, int position);
  void revertLine(size_t i);
  // The total box (grams) or slider changed, or the total revert button: every line is set to
  // the total slider's position of its own standard.
  void setTotalGrams(double grams);
  void setTotalPosition(int position);
  void revertAll();

  // The picture's scale: current total / standard total, at most the sliders' 200 %.
  double pictureRatio() const;
  // The dish's foods with the current amounts (standard amounts kept).
  TUsedFoodList result(const TUsedFoodList& original) const;

  // The "%f" text of an amount in a box.
  static std::string boxText(double grams);

 private:
  void recomputeTotal();
  void setAllLinesToPosition(int position);
  std::vector<Line> lines_;
  double standardTotal_ = 1.0;
  double currentTotal_ = 0;
};

}  // namespace nv
