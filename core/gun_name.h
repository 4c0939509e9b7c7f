#pragma once
// TGunName: the seven food-group names and colours, index 0 (no group) to 6.
#include <array>
#include <cstdint>
#include <string>

#include "core/nutrients.h"

namespace nv {

constexpr uint32_t kWhite = 16777215;  // Windows colour value: blue in the high byte

class TGunName {
 public:
  TGunName();
  // CP932 name; empty outside 0..6.
  std::string name(int group) const;
  // Colour as a Windows colour value (0x00BBGGRR); white outside 0..6.
  uint32_t color(int group) const;
  // Ignored outside 0..6 (the settings in NV.ini replace the defaults at start-up).
  void setColor(int group, uint32_t color);
  static uint32_t defaultColor(int group);

 private:
  std::array<std::string, kFoodGroupCount> names_;
  std::array<uint32_t, kFoodGroupCount> colors_{};
};

}  // namespace nv
