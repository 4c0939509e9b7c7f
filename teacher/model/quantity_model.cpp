#include "teacher/model/quantity_model.h"

#include <algorithm>
#include <cmath>

#include "core/food.h"
#include "platform/text.h"

namespace nv {

QuantityModel::QuantityModel(const TUsedFoodList& foods, const TFoodData* table,
                             double standardTotal)
    : standardTotal_(standardTotal == 0 ? 1.0 : standardTotal) {
  for (const TUsedFood& f : foods) {
    Line l;
    l.foodNumber = f.foodNumber;
    l.group = table ? table->groupOf(f.foodNumber) : -1;
    l.standard = f.standardAmount;
    l.current = f.amount;
    lines_.push_back(l);
  }
  recomputeTotal();
}

int QuantityModel::positionFor(double current, double standard) {
  if (!(standard > 0) || !std::isfinite(current)) return 0;
  double p = std::round(current / standard * kSliderFull);
  return int(std::clamp(p, 0.0, double(kSliderMax)));
}

void QuantityModel::recomputeTotal() {
  currentTotal_ = 0;
  for (const Line& l : lines_) currentTotal_ += l.current;
}

void QuantityModel::setLineGrams(size_t i, double grams) {
  if (i >= lines_.size()) return;
  lines_[i].current = grams;
  recomputeTotal();
}

void QuantityModel::setLinePosition(size_t i, int position) {
  if (i >= lines_.size()) return;
  lines_[i].current = position * lines_[i].standard / kSliderFull;
  recomputeTotal();
}

void QuantityModel::revertLine(size_t i) {
  if (i >= lines_.size()) return;
  setLineGrams(i, lines_[i].standard);
}

void QuantityModel::setAllLinesToPosition(int position) {
  for (Line& l : lines_) l.current = l.standard * position / kSliderFull;
}

void QuantityModel::setTotalGrams(double grams) {
  currentTotal_ = grams;
  setAllLinesToPosition(totalPosition());
}

void QuantityModel::setTotalPosition(int position) {
  currentTotal_ = position * standardTotal_ / kSliderFull;
  setAllLinesToPosition(position);
}

void QuantityModel::revertAll() { setTotalGrams(standardTotal_); }

TUsedFoodList QuantityModel::result(const TUsedFoodList& original) const {
  TUsedFoodList out = original;
  for (size_t i = 0; i < out.size() && i < lines_.size(); ++i) out[i].amount = lines_[i].current;
  return out;
}

std::string QuantityModel::boxText(double grams) { return cformat("%f", grams); }

double QuantityModel::pictureRatio() const {
  const double ratio = currentTotal_ / standardTotal_;
  constexpr double kMax = double(kSliderMax) / kSliderFull;
  return ratio > kMax ? kMax : ratio;
}

}  // namespace nv
