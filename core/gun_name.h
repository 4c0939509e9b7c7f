#pragma once
// TGunName: the seven food-group names and their chart colours, index 0 (no group) to 6.
#include <array>
#include <cstdint>
#include <string>

#include "core/nutrients.h"

namespace nv {

class Ini;

// Colours are Windows colour integers as NV.ini stores them: red in the low byte, blue in
// the high byte (255 is red, 16711680 blue).
struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};
Rgb rgbOfWinColor(int32_t color);
int32_t winColorOf(Rgb rgb);

constexpr int32_t kWinColorWhite = 16777215;

class TGunName {
 public:
  // The built-in names and colours.
  TGunName();

  // The name of a group (CP932, at most 47 bytes as its 48-byte field holds); an empty text
  // for an index outside 0..6, so a bad group number in a data file shows no label.
  const std::string& name(int index) const;
  // The colour of a group; white for an index outside 0..6.
  int32_t color(int index) const;
  Rgb rgb(int index) const { return rgbOfWinColor(color(index)); }
  // Ignored for an index outside 0..6.
  void setColor(int index, int32_t color);

  // Takes the colours from section "Data", keys "GunColor0".."GunColor6"; a missing key gives
  // the built-in colour.
  void loadColors(const Ini& ini);
  // Writes the seven "GunColor" keys. False when the settings file refused them.
  bool saveColors(Ini& ini) const;

  static int32_t defaultColor(int index);

 private:
  std::array<std::string, kFoodGroupCount> names_;
  std::array<int32_t, kFoodGroupCount> colors_;
};

}  // namespace nv
