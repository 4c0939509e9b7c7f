#include "core/gun_name.h"

#include "platform/ini.h"
#include "platform/text.h"

namespace nv {
namespace {

constexpr std::array<int32_t, kFoodGroupCount> kDefaultColors = {
    16777215,  // white
    255,       // red
    16711935,  // magenta
    48384,     // green 0,189,0
    7995257,   // light green 121,255,121
    65535,     // yellow
    4118777,   // 249,216,62
};

bool inRange(int index) { return index >= 0 && index < kFoodGroupCount; }

std::string colorKey(int index) { return "GunColor" + std::to_string(index); }

}  // namespace

Rgb rgbOfWinColor(int32_t color) {
  uint32_t c = uint32_t(color);
  return Rgb{uint8_t(c & 0xFF), uint8_t(c >> 8 & 0xFF), uint8_t(c >> 16 & 0xFF)};
}

int32_t winColorOf(Rgb rgb) {
  return int32_t(uint32_t(rgb.r) | uint32_t(rgb.g) << 8 | uint32_t(rgb.b) << 16);
}

TGunName::TGunName()
    : names_{sj("０群"),       sj("魚肉卵豆"),   sj("乳小魚海草"), sj("緑黄色野菜"),
             sj("他野菜果物"), sj("穀類芋砂糖"), sj("油脂類")},
      colors_(kDefaultColors) {}

const std::string& TGunName::name(int index) const {
  static const std::string kNone;
  return inRange(index) ? names_[size_t(index)] : kNone;
}

int32_t TGunName::color(int index) const {
  return inRange(index) ? colors_[size_t(index)] : kWinColorWhite;
}

void TGunName::setColor(int index, int32_t color) {
  if (inRange(index)) colors_[size_t(index)] = color;
}

int32_t TGunName::defaultColor(int index) {
  return inRange(index) ? kDefaultColors[size_t(index)] : kWinColorWhite;
}

void TGunName::loadColors(const Ini& ini) {
  for (int i = 0; i < kFoodGroupCount; ++i)
    colors_[size_t(i)] = ini.readInteger("Data", colorKey(i), kDefaultColors[size_t(i)]);
}

bool TGunName::saveColors(Ini& ini) const {
  bool ok = true;
  for (int i = 0; i < kFoodGroupCount; ++i)
    ok = ini.writeInteger("Data", colorKey(i), colors_[size_t(i)]) && ok;
  return ok;
}

}  // namespace nv
