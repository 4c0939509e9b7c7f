#include "planner/model/name_entry_model.h"

#include <charconv>
#include <cmath>

#include "core/kojin_data.h"
#include "platform/text.h"

namespace nv {

namespace {
// Positions computed from numbers that show one decimal (158.3 - 138.3, 2227.4 x 50 /
// 2227.4) may land a hair below the whole number they stand for; that hair must not cost a
// step.
constexpr double kHair = 1e-9;

int clampPosition(double position) {
  if (!(position > 0)) return 0;  // also NaN
  if (position >= 100) return 100;
  return int(std::trunc(position + kHair));
}
}  // namespace

double bodySliderValue(double standard, int position) {
  return standard + double((position * 40 - 2000) / 100);
}

int bodySliderPosition(double standard, double value) {
  return clampPosition((value - (standard - 20)) * 100 * 0.025);
}

double requirementSliderValue(double standard, int position) { return position * standard * 0.02; }

int requirementSliderPosition(double standard, double value) {
  if (standard == 0) return 50;
  return clampPosition(value * 50 / standard);
}

NameEntryLayout nameEntryLayoutOf(std::string_view caption) {
  if (caption == TKojinData::windowStateMedium()) return NameEntryLayout::kMedium;
  if (caption == TKojinData::windowStateFull()) return NameEntryLayout::kFull;
  return NameEntryLayout::kShort;
}

std::string nameEntryLayoutCaption(NameEntryLayout layout) {
  switch (layout) {
    case NameEntryLayout::kMedium:
      return TKojinData::windowStateMedium();
    case NameEntryLayout::kFull:
      return TKojinData::windowStateFull();
    case NameEntryLayout::kShort:
      break;
  }
  return TKojinData::windowStateShort();
}

NameEntryLayout nextNameEntryLayout(NameEntryLayout layout) {
  switch (layout) {
    case NameEntryLayout::kShort:
      return NameEntryLayout::kMedium;
    case NameEntryLayout::kMedium:
      return NameEntryLayout::kFull;
    case NameEntryLayout::kFull:
      break;
  }
  return NameEntryLayout::kShort;
}

std::string numberEditText(double value) { return cformat("%.1f", value); }

double numberEditValue(std::string_view text) {
  // from_chars: the edits always use a point, whatever the locale says.
  double v = 0;
  auto result = std::from_chars(text.data(), text.data() + text.size(), v);
  if (result.ec != std::errc() || !std::isfinite(v)) return 0;
  return v;
}

std::string bodyScaleLabel(double value, std::string_view unit) {
  return sj("↓") + cformat("%.1f(", value) + std::string(unit) + ")";
}

}  // namespace nv
